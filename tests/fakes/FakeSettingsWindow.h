#pragma once

#include "fakes/RecordingSound.h"
#include "settings/ButtonLayoutControls.h"
#include "settings/MenuLabels.h"
#include "settings/MessageLine.h"
#include "settings/ProfileControls.h"
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
                           public settings::TrayMenuSync {
public:
    static constexpr int kFilledListSize = 106; // the key table fills every list at start-up

    FakeSettingsWindow()
    {
        for (auto& slot : listSizes)
            slot.fill(kFilledListSize);
    }

    // ProfileControls: the order the window sets its controls in, each change logged.
    settings::Profile read() const override { return profile(); }
    bool apply(const settings::Profile& p, settings::ApplyOrder order) override
    {
        const bool builtIn = order.origin == settings::ProfileOrigin::BuiltIn;
        if (builtIn)
            for (auto& slot : listSizes)
                slot.fill(0);
        keys = p.keys;
        bool accepted = true;
        if (builtIn) {
            accepted &= setReactionTime(p.reactionTime);
            accepted &= setArrowMultiplier(p.arrowMultiplier);
        } else {
            accepted &= setArrowMultiplier(p.arrowMultiplier);
            accepted &= setReactionTime(p.reactionTime);
        }
        if (order.names == settings::NameOrder::NameFirst) {
            setProfileName(p.name);
            setCaptionFragment(p.captionFragment);
        } else {
            setCaptionFragment(p.captionFragment);
            setProfileName(p.name);
        }
        return accepted;
    }
    bool setReactionTime(int ms)
    {
        if (ms < 50 || ms > 1000)
            return false;
        shownReactionTime = ms;
        log.push_back("HScroll1=" + std::to_string(ms));
        return true;
    }
    bool setArrowMultiplier(int n)
    {
        if (n < 1 || n > 10)
            return false;
        shownMultiplier = n;
        log.push_back("HScroll2=" + std::to_string(n));
        return true;
    }
    void setProfileName(const std::string& name)
    {
        shownName = name;
        log.push_back("Text2=" + name);
    }
    void setCaptionFragment(const std::string& fragment)
    {
        shownCaptionFragment = fragment;
        log.push_back("Combo2=" + fragment);
    }

    // MenuLabels, MessageLine
    void setMenuLabel(int index, const std::string& caption) override { shownMenuLabels[index] = caption; }
    void showMessage(const std::string& text) override { shownMessage = text; }
    void showNotice(const std::string& text) override { shownNotice = text; }

    // WindowPlacement
    settings::WindowRect mainWindowRect() const override { return windowRect; }
    void setMainWindowRect(const settings::WindowRect& rect) override { windowRect = rect; }

    // ButtonLayoutControls
    settings::LayoutButton layoutButton(int index) const override { return buttons[index]; }
    void setLayoutButton(int index, const settings::LayoutButton& button) override { buttons[index] = button; }

    // TrayMenuSync
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
    std::string shownNotice;
    settings::WindowRect windowRect{};
    std::array<settings::LayoutButton, settings::kInputCount> buttons{};
    std::vector<std::string> log;
    // The sounds the store makes, logged with the window's changes.
    RecordingSound sounds{log};
};

} // namespace rukcon::test
