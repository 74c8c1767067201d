#pragma once

#include <filesystem>

namespace rukcon::settings {

// Where the program finds its sound effects and keeps its settings, decided once at start-up
// from what is on disk, before anything is written:
// - a copy with a "bgm" folder beside its executable (the build folder, an unpacked folder)
//   uses that and keeps its settings in "設定" beside the executable; when that cannot be
//   written it falls back to the folder under the user's config home;
// - an installed copy, whose effects are in the shared data folder (<prefix>/share/rukcon),
//   always keeps its settings under the config home: $XDG_CONFIG_HOME/rukcon/設定.
struct ProgramFolders {
    std::filesystem::path effects;  // holds the click and alert effects
    std::filesystem::path settings; // the settings folder "設定"
    bool installed = false;         // effects from the shared data folder

    // Effects and settings both beside the program, as a build folder has them.
    static ProgramFolders BesideProgram(const std::filesystem::path& applicationFolder);

    static ProgramFolders Decide(const std::filesystem::path& applicationFolder,
                                 const std::filesystem::path& sharedDataFolder,
                                 const std::filesystem::path& configHome);

    // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
    static std::filesystem::path ConfigHomeFromEnvironment();
};

} // namespace rukcon::settings
