#pragma once

#include <QObject>

namespace rukcon::input {
class PollCycle;
}
namespace rukcon::ui {
class Form1;
}

namespace rukcon::app {

// The two scroll bars of the timing tab. Their handlers run on every setting of the value, also
// an unchanged one: the value label and the poll timer's interval (reaction time) or the poll
// cycle's multiplier always agree with the bar.
class TimingControls : public QObject {
    Q_OBJECT
public:
    TimingControls(ui::Form1& form, input::PollCycle& cycle);

    // False, and nothing changes, for a value outside the bar's range.
    bool setReactionTime(int milliseconds);
    bool setArrowMultiplier(int times);

    int reactionTime() const;
    int arrowMultiplier() const;

private:
    void onReactionTime(int value);
    void onArrowMultiplier(int value);

    ui::Form1& m_form;
    input::PollCycle& m_cycle;
};

} // namespace rukcon::app
