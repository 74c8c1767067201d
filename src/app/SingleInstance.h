#pragma once

#include <filesystem>

namespace rukcon::app {

// One running copy per settings folder, whichever executable it is: two copies that shared one
// would overwrite each other's files. The lock is an advisory lock on the folder itself, so
// every path that leads to it counts, and the kernel drops it when the process ends in any way:
// a crashed copy never blocks the next start.
class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock on the settings folder (made first when missing; nothing is written into
    // it); false when another running copy holds it. When the folder cannot be made or opened
    // the program runs (a missing lock must not stop it).
    bool acquire(const std::filesystem::path& settingsFolder);

private:
    int m_fd = -1;
};

} // namespace rukcon::app
