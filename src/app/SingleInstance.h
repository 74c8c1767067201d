#pragma once

#include <filesystem>

namespace rukcon::app {

// One running copy per executable. The lock is an advisory file lock, which the kernel drops
// when the process ends in any way, so a crashed copy never blocks the next start.
class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock for this executable; false when another running copy holds it. When the
    // lock file cannot be made at all the program runs (a missing lock must not stop it).
    bool acquire(const std::filesystem::path& executable);

    // Where the lock for an executable lives: the user's runtime folder, named after the path.
    static std::filesystem::path lockPath(const std::filesystem::path& executable);

private:
    int m_fd = -1;
};

} // namespace rukcon::app
