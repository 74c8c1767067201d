#pragma once

#include "settings/ProfileInForce.h"

#include <QObject>

namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

class KeyListModels;
class TimingControls;

// The window as a view of the profile in force, both ways: a user's edit of a key box, the name
// box or the caption fragment box goes into the state at once; a profile put into force goes to
// the widgets built so far (setting a box runs its handlers as a user's change would). A page
// built later shows the state in force. The numbers go through TimingControls.
class ProfileBinder : public QObject, public settings::ProfileView {
    Q_OBJECT
public:
    ProfileBinder(settings::ProfileInForce& inForce, ui::MainWindow& form, TimingControls& timing,
                  KeyListModels& keyLists);

    void keyChoicesPut(const settings::KeyChoices& keys, bool listsEmptied) override;
    void reactionTimeSet(int milliseconds) override;
    void arrowMultiplierSet(int times) override;
    void nameChanged(const std::string& name) override;
    void captionFragmentChanged(const std::string& fragment) override;

signals:
    // The name in force changed, by an edit or with a profile put into force.
    void profileNameChanged(const QString& name);

private:
    // Carries a user's edit of the slot's key boxes into the state.
    void watchKeyBoxes(int slot);
    void onNamingPageBuilt();

    settings::ProfileInForce& m_inForce;
    ui::MainWindow& m_form;
    TimingControls& m_timing;
    KeyListModels& m_keyLists;
};

} // namespace rukcon::app
