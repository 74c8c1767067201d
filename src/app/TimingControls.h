#pragma once

#include "settings/Profile.h"

#include <QObject>

class QScrollBar;
class QTimer;

namespace rukcon::input {
class PollCycle;
}
namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

// The reaction time and the arrow multiplier of the profile in force, and the two scroll bars
// that show them. Every setting runs the same steps, also for an unchanged value: the number
// goes into the state, its label, and the poll timer's interval (reaction time) or the poll
// cycle's multiplier. Moving a bar is such a setting.
class TimingControls : public QObject {
    Q_OBJECT
public:
    TimingControls(settings::Profile& inForce, ui::MainWindow& form, QTimer& pollTimer, input::PollCycle& cycle);

    // False, and nothing changes, for a value outside the bar's range.
    bool setReactionTime(int milliseconds);
    bool setArrowMultiplier(int times);

    int reactionTime() const { return m_inForce.reactionTime; }
    int arrowMultiplier() const { return m_inForce.arrowMultiplier; }

private:
    void onReactionTime(int value);
    void onArrowMultiplier(int value);
    // Moves a bar to a value already in force, without running its steps a second time.
    void showOnBar(QScrollBar* bar, int value);

    settings::Profile& m_inForce;
    ui::MainWindow& m_form;
    QTimer& m_pollTimer;
    input::PollCycle& m_cycle;
    bool m_showing = false;
};

} // namespace rukcon::app
