#pragma once

#include "SettingsTestSupport.h"
#include "fakes/FakeFailingDisk.h"
#include "fakes/FakeSettingsWindow.h"
#include "settings/DiskIo.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rukcon::test {

inline std::filesystem::path FrozenFile(const char* name)
{
    return std::filesystem::path(RUKCON_SETTINGS_TEST_DATA) / name;
}

// A profile whose every field differs from the others and from the window's start values, with
// a comma, a quote and double-byte text where the user could type them.
inline FakeSettingsWindow::Profile SampleProfile(const std::string& tag = "")
{
    FakeSettingsWindow::Profile p;
    for (int s = 0; s < 15; ++s)
        for (int k = 0; k < 3; ++k)
            p.keys[s][k] = "キー" + std::to_string(s) + "-" + std::to_string(k) + tag;
    p.reactionTime = 250;
    p.arrowMultiplier = 4;
    p.name = "名前, " + tag;
    p.captionFragment = "\"無題\" - メモ帳" + tag;
    return p;
}

// The 49 fields a profile is stored as, for building files by hand.
inline std::vector<std::string> RecordFields(const FakeSettingsWindow::Profile& p)
{
    std::vector<std::string> fields;
    for (const auto& slot : p.keys)
        for (const auto& key : slot)
            fields.push_back(key);
    fields.push_back(std::to_string(p.reactionTime));
    fields.push_back(std::to_string(p.arrowMultiplier));
    fields.push_back(p.name);
    fields.push_back(p.captionFragment);
    return fields;
}

// An application folder in a fresh temp folder, its settings folder not yet made, and a window.
class SettingsFixture : public ::testing::Test {
protected:
    TempFolder app;
    settings::SettingsFolder folder{app.path() / "設定"};
    FakeFailingDisk disk;
    FakeSettingsWindow window;
    settings::SettingsFiles files{folder, disk, window};

    std::filesystem::path settingsFile(const char* name) const { return folder.file(name); }

    void writeSettingsFile(const char* name, const std::string& bytes)
    {
        std::filesystem::create_directories(folder.path());
        WriteBytes(settingsFile(name), bytes);
    }
};

} // namespace rukcon::test
