#pragma once

#include "settings/ProfileControls.h"
#include "settings/SessionState.h"

#include <QObject>

namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

class KeyListModels;
class TimingControls;

// Binds the profile in force (the session state) and the widgets that show it, both ways: a
// user's edit of a key box, the name box or the caption fragment box goes into the state at
// once; a profile put into force goes into the state and then to the widgets, in the order its
// source asks for, so every change handler runs as a user's change would run it. The numbers go
// through TimingControls, whose steps (label, timer interval, multiplier) follow every setting.
// A key slot's page built later is written from the state.
class ProfileBinder : public QObject, public settings::ProfileControls {
    Q_OBJECT
public:
    ProfileBinder(settings::SessionState& state, ui::MainWindow& form, TimingControls& timing, KeyListModels& keyLists);

    settings::Profile read() const override { return m_state.inForce; }
    bool apply(const settings::Profile& profile, settings::ApplyOrder order) override;

private:
    // Carries a user's edit of the slot's key boxes into the state, from the boxes' text on.
    void watchKeyBoxes(int slot);

    settings::SessionState& m_state;
    ui::MainWindow& m_form;
    TimingControls& m_timing;
    KeyListModels& m_keyLists;
};

} // namespace rukcon::app
