#pragma once

#include "settings/ButtonLayoutControls.h"
#include "settings/MenuLabels.h"
#include "settings/MessageLine.h"
#include "settings/ProfileControls.h"
#include "settings/SoundCues.h"
#include "settings/TrayMenuSync.h"
#include "settings/WindowPlacement.h"

#include <array>
#include <string>
#include <vector>

namespace rukcon::test {

// Stands in for the main window (and the tray) towards the settings store. Values live in
// plain members; the scroll bars refuse what the real ones refuse. Every change that a change
// handler or the user would notice is also appended to log, so tests can check the order.
class FakeSettingsWindow : public settings::ProfileControls,
                           public settings::MenuLabels,
                           public settings::MessageLine,
                           public settings::WindowPlacement,
                           public settings::ButtonLayoutControls,
                           public settings::SoundCues,
                           public settings::TrayMenuSync {
public:
    static constexpr int kFilledListSize = 106; // the key table fills every list at start-up

    FakeSettingsWindow()
    {
        for (auto& slot : listSizes)
            slot.fill(kFilledListSize);
    }

    // ProfileControls
    std::string keyChoice(int slot, int position) const override { return keys[slot][position]; }
    void setKeyChoice(int slot, int position, const std::string& text) override { keys[slot][position] = text; }
    void clearKeyList(int slot, int position) override { listSizes[slot][position] = 0; }
    int reactionTime() const override { return shownReactionTime; }
    bool setReactionTime(int ms) override
    {
        if (ms < 50 || ms > 1000)
            return false;
        shownReactionTime = ms;
        log.push_back("HScroll1=" + std::to_string(ms));
        return true;
    }
    int arrowMultiplier() const override { return shownMultiplier; }
    bool setArrowMultiplier(int n) override
    {
        if (n < 1 || n > 10)
            return false;
        shownMultiplier = n;
        log.push_back("HScroll2=" + std::to_string(n));
        return true;
    }
    std::string profileName() const override { return shownName; }
    void setProfileName(const std::string& name) override
    {
        shownName = name;
        log.push_back("Text2=" + name);
    }
    std::string captionFragment() const override { return shownCaptionFragment; }
    void setCaptionFragment(const std::string& fragment) override
    {
        shownCaptionFragment = fragment;
        log.push_back("Combo2=" + fragment);
    }

    // MenuLabels, MessageLine
    void setMenuLabel(int index, const std::string& caption) override { shownMenuLabels[index] = caption; }
    void showMessage(const std::string& text) override { shownMessage = text; }

    // WindowPlacement
    settings::WindowRect mainWindowRect() const override { return windowRect; }
    void setMainWindowRect(const settings::WindowRect& rect) override { windowRect = rect; }

    // ButtonLayoutControls
    settings::LayoutButton layoutButton(int index) const override { return buttons[index]; }
    void setLayoutButton(int index, const settings::LayoutButton& button) override { buttons[index] = button; }

    // SoundCues, TrayMenuSync
    void playClickSound() override { log.push_back("click"); }
    void playAlertSound() override { log.push_back("alert"); }
    void systemBeep() override { log.push_back("beep"); }
    void SyncTrayUserMenu() override
    {
        log.push_back("tray");
        trayCaptions = shownMenuLabels;
    }

    using Profile = settings::Profile;
    Profile profile() const { return {keys, shownReactionTime, shownMultiplier, shownName, shownCaptionFragment}; }
    void setProfile(const Profile& p)
    {
        keys = p.keys;
        shownReactionTime = p.reactionTime;
        shownMultiplier = p.arrowMultiplier;
        shownName = p.name;
        shownCaptionFragment = p.captionFragment;
    }

    settings::KeyChoices keys{};
    std::array<std::array<int, settings::kKeyPositions>, settings::kSlotCount> listSizes{};
    int shownReactionTime = 50;
    int shownMultiplier = 1;
    std::string shownName;
    std::string shownCaptionFragment;
    std::array<std::string, 12> shownMenuLabels{};
    std::array<std::string, 12> trayCaptions{};
    std::string shownMessage;
    settings::WindowRect windowRect{};
    std::array<settings::LayoutButton, 14> buttons{};
    std::vector<std::string> log;
};

} // namespace rukcon::test
