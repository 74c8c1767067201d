#pragma once

#include "fakes/RecordingSound.h"
#include "settings/ButtonLayoutControls.h"
#include "settings/MenuLabels.h"
#include "settings/MessageLine.h"
#include "settings/ProfileControls.h"
#include "settings/ProfileInForce.h"
#include "settings/SessionState.h"
#include "settings/TrayMenuSync.h"
#include "settings/WindowPlacement.h"

#include <array>
#include <string>
#include <vector>

namespace rukcon::test {

// Stands in for the main window (and the tray) towards the settings store. The profile in force
// lives in a session state of its own and goes in through the real ProfileInForce; the fake is its
// view. Every change that a change handler or the user would notice is also appended to log, so
// tests can check the order.
class FakeSettingsWindow : public settings::ProfileControls,
                           public settings::ProfileView,
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
        state.inForce.reactionTime = 50;
        state.inForce.arrowMultiplier = 1;
    }
    FakeSettingsWindow(const FakeSettingsWindow&) = delete; // the references below are into its own state

    // ProfileControls: the session's own.
    settings::Profile read() const override { return inForce.read(); }
    bool apply(const settings::Profile& p, settings::ApplyOrder order) override { return inForce.apply(p, order); }

    // ProfileView: each change logged as the window's control would show it.
    void keyChoicesPut(const settings::KeyChoices&, bool listsEmptied) override
    {
        if (listsEmptied)
            for (auto& slot : listSizes)
                slot.fill(0);
    }
    void reactionTimeSet(int ms) override { log.push_back("HScroll1=" + std::to_string(ms)); }
    void arrowMultiplierSet(int n) override { log.push_back("HScroll2=" + std::to_string(n)); }
    void nameChanged(const std::string& name) override { log.push_back("Text2=" + name); }
    void captionFragmentChanged(const std::string& fragment) override { log.push_back("Combo2=" + fragment); }

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
    const Profile& profile() const { return state.inForce; }
    void setProfile(const Profile& p) { state.inForce = p; }

    settings::SessionState state;
    settings::ProfileInForce inForce{state, *this};
    // The profile in force, by field.
    settings::KeyChoices& keys = state.inForce.keys;
    int& shownReactionTime = state.inForce.reactionTime;
    int& shownMultiplier = state.inForce.arrowMultiplier;
    std::string& shownName = state.inForce.name;
    std::string& shownCaptionFragment = state.inForce.captionFragment;
    std::array<std::array<int, settings::kKeyPositions>, settings::kSlotCount> listSizes{};
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
