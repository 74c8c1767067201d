#pragma once

#include <QObject>

#include <optional>

class QScrollBar;
class QTimer;

namespace rukcon::input {
class PollCycle;
}
namespace rukcon::settings {
class ProfileInForce;
}
namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

// What follows the reaction time and the arrow multiplier of the profile in force: their labels
// and scroll bars on the 反応時間 page (once built), the poll timer's interval and the poll
// cycle's multiplier. Every setting runs the same steps, also for an unchanged value. Moving a
// bar is such a setting.
class TimingControls : public QObject {
    Q_OBJECT
public:
    TimingControls(settings::ProfileInForce& inForce, ui::MainWindow& form, QTimer& pollTimer, input::PollCycle& cycle);

    // False, and nothing changes, for a value outside the bar's range.
    bool setReactionTime(int milliseconds);
    bool setArrowMultiplier(int times);

    int reactionTime() const;
    int arrowMultiplier() const;

    // A number was set into force.
    void reactionTimeSet(int milliseconds);
    void arrowMultiplierSet(int times);

private:
    // The page was just built: its bars and labels show what is in force, and follow the user.
    void onPageBuilt();
    // Moves a bar to a value already in force, without running its steps a second time.
    void showOnBar(QScrollBar* bar, int value);

    settings::ProfileInForce& m_inForce;
    ui::MainWindow& m_form;
    QTimer& m_pollTimer;
    input::PollCycle& m_cycle;
    // What the value labels show once a number was set (until then their design-time caption).
    std::optional<int> m_shownReactionTime;
    std::optional<int> m_shownMultiplier;
    bool m_showing = false;
};

} // namespace rukcon::app
