#include "app/TimingControls.h"

#include "input/PollCycle.h"
#include "ui/Form1.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace rukcon::app {

namespace {

// Sets a bar and makes sure its handler runs once, also when the value is unchanged.
template <typename Handler> bool setBarValue(QScrollBar* bar, int value, Handler handler)
{
    if (value < bar->minimum() || value > bar->maximum())
        return false;
    if (bar->value() == value)
        handler(value);
    else
        bar->setValue(value); // valueChanged runs the handler
    return true;
}

} // namespace

TimingControls::TimingControls(ui::Form1& form, input::PollCycle& cycle) : m_form(form), m_cycle(cycle)
{
    connect(m_form.hScroll1(), &QScrollBar::valueChanged, this, &TimingControls::onReactionTime);
    connect(m_form.hScroll2(), &QScrollBar::valueChanged, this, &TimingControls::onArrowMultiplier);
}

bool TimingControls::setReactionTime(int milliseconds)
{
    return setBarValue(m_form.hScroll1(), milliseconds, [this](int v) { onReactionTime(v); });
}

bool TimingControls::setArrowMultiplier(int times)
{
    return setBarValue(m_form.hScroll2(), times, [this](int v) { onArrowMultiplier(v); });
}

int TimingControls::reactionTime() const
{
    return m_form.hScroll1()->value();
}

int TimingControls::arrowMultiplier() const
{
    return m_form.hScroll2()->value();
}

void TimingControls::onReactionTime(int value)
{
    m_form.label5()->setText(QString::number(value));
    m_form.timer1()->setInterval(value);
}

void TimingControls::onArrowMultiplier(int value)
{
    m_form.label8()->setText(QString::number(value));
    m_cycle.ArrowMultiplier = value;
}

} // namespace rukcon::app
