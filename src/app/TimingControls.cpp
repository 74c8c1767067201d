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
    connect(m_form.reactionTimeBar(), &QScrollBar::valueChanged, this, &TimingControls::onReactionTime);
    connect(m_form.multiplierBar(), &QScrollBar::valueChanged, this, &TimingControls::onArrowMultiplier);
}

bool TimingControls::setReactionTime(int milliseconds)
{
    return setBarValue(m_form.reactionTimeBar(), milliseconds, [this](int v) { onReactionTime(v); });
}

bool TimingControls::setArrowMultiplier(int times)
{
    return setBarValue(m_form.multiplierBar(), times, [this](int v) { onArrowMultiplier(v); });
}

int TimingControls::reactionTime() const
{
    return m_form.reactionTimeBar()->value();
}

int TimingControls::arrowMultiplier() const
{
    return m_form.multiplierBar()->value();
}

void TimingControls::onReactionTime(int value)
{
    m_form.reactionTimeValue()->setText(QString::number(value));
    m_form.pollTimer()->setInterval(value);
}

void TimingControls::onArrowMultiplier(int value)
{
    m_form.multiplierValue()->setText(QString::number(value));
    m_cycle.ArrowMultiplier = value;
}

} // namespace rukcon::app
