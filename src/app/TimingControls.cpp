#include "app/TimingControls.h"

#include "input/PollCycle.h"
#include "ui/MainWindow.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace rukcon::app {

TimingControls::TimingControls(settings::Profile& inForce, ui::MainWindow& form, QTimer& pollTimer,
                               input::PollCycle& cycle)
    : m_inForce(inForce), m_form(form), m_pollTimer(pollTimer), m_cycle(cycle)
{
    // The numbers start as the bars are built, and the poll timer's interval as Timer1's.
    m_inForce.reactionTime = m_form.reactionTimeBar()->value();
    m_inForce.arrowMultiplier = m_form.multiplierBar()->value();
    connect(m_form.reactionTimeBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showing)
            onReactionTime(value);
    });
    connect(m_form.multiplierBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showing)
            onArrowMultiplier(value);
    });
}

bool TimingControls::setReactionTime(int milliseconds)
{
    if (milliseconds < settings::kReactionTimeMin || milliseconds > settings::kReactionTimeMax)
        return false;
    onReactionTime(milliseconds);
    showOnBar(m_form.reactionTimeBar(), milliseconds);
    return true;
}

bool TimingControls::setArrowMultiplier(int times)
{
    if (times < settings::kArrowMultiplierMin || times > settings::kArrowMultiplierMax)
        return false;
    onArrowMultiplier(times);
    showOnBar(m_form.multiplierBar(), times);
    return true;
}

void TimingControls::showOnBar(QScrollBar* bar, int value)
{
    m_showing = true;
    bar->setValue(value);
    m_showing = false;
}

void TimingControls::onReactionTime(int value)
{
    m_inForce.reactionTime = value;
    m_form.reactionTimeValue()->setText(QString::number(value));
    m_pollTimer.setInterval(value);
}

void TimingControls::onArrowMultiplier(int value)
{
    m_inForce.arrowMultiplier = value;
    m_form.multiplierValue()->setText(QString::number(value));
    m_cycle.ArrowMultiplier = value;
}

} // namespace rukcon::app
