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
    int reactionTime() const override { return hscroll1; }
    bool setReactionTime(int ms) override
    {
        if (ms < 50 || ms > 1000)
            return false;
        hscroll1 = ms;
        log.push_back("HScroll1=" + std::to_string(ms));
        return true;
    }
    int arrowMultiplier() const override { return hscroll2; }
    bool setArrowMultiplier(int n) override
    {
        if (n < 1 || n > 10)
            return false;
        hscroll2 = n;
        log.push_back("HScroll2=" + std::to_string(n));
        return true;
    }
    std::string profileName() const override { return text2; }
    void setProfileName(const std::string& name) override
    {
        text2 = name;
        log.push_back("Text2=" + name);
    }
    std::string captionFragment() const override { return combo2; }
    void setCaptionFragment(const std::string& fragment) override
    {
        combo2 = fragment;
        log.push_back("Combo2=" + fragment);
    }

    // MenuLabels, MessageLine
    void setMenuLabel(int index, const std::string& caption) override { label12[index] = caption; }
    void showMessage(const std::string& text) override { label14 = text; }

    // WindowPlacement
    settings::WindowRect mainWindowRect() const override { return form1; }
    void setMainWindowRect(const settings::WindowRect& rect) override { form1 = rect; }

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
        trayCaptions = label12;
    }

    using Profile = settings::Profile;
    Profile profile() const { return {keys, hscroll1, hscroll2, text2, combo2}; }
    void setProfile(const Profile& p)
    {
        keys = p.keys;
        hscroll1 = p.reactionTime;
        hscroll2 = p.arrowMultiplier;
        text2 = p.name;
        combo2 = p.captionFragment;
    }

    settings::KeyChoices keys{};
    std::array<std::array<int, settings::kKeyPositions>, settings::kSlotCount> listSizes{};
    int hscroll1 = 50;
    int hscroll2 = 1;
    std::string text2;
    std::string combo2;
    std::array<std::string, 12> label12{};
    std::array<std::string, 12> trayCaptions{};
    std::string label14;
    settings::WindowRect form1{};
    std::array<settings::LayoutButton, 14> buttons{};
    std::vector<std::string> log;
};

} // namespace rukcon::test
