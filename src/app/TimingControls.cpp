#include "app/TimingControls.h"

#include "input/PollCycle.h"
#include "settings/ProfileInForce.h"
#include "ui/MainWindow.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace rukcon::app {

TimingControls::TimingControls(settings::ProfileInForce& inForce, ui::MainWindow& form, QTimer& pollTimer,
                               input::PollCycle& cycle)
    : m_inForce(inForce), m_form(form), m_pollTimer(pollTimer), m_cycle(cycle)
{
    if (m_form.isPageBuilt(ui::kTimingTab))
        onPageBuilt();
    connect(&m_form, &ui::MainWindow::pageBuilt, this, [this](int tab) {
        if (tab == ui::kTimingTab)
            onPageBuilt();
    });
}

void TimingControls::onPageBuilt()
{
    showOnBar(m_form.reactionTimeBar(), reactionTime());
    showOnBar(m_form.multiplierBar(), arrowMultiplier());
    if (m_shownReactionTime)
        m_form.reactionTimeValue()->setText(QString::number(*m_shownReactionTime));
    if (m_shownMultiplier)
        m_form.multiplierValue()->setText(QString::number(*m_shownMultiplier));
    connect(m_form.reactionTimeBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showing)
            m_inForce.setReactionTime(value);
    });
    connect(m_form.multiplierBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showing)
            m_inForce.setArrowMultiplier(value);
    });
}

bool TimingControls::setReactionTime(int milliseconds)
{
    return m_inForce.setReactionTime(milliseconds);
}

bool TimingControls::setArrowMultiplier(int times)
{
    return m_inForce.setArrowMultiplier(times);
}

int TimingControls::reactionTime() const
{
    return m_inForce.profile().reactionTime;
}

int TimingControls::arrowMultiplier() const
{
    return m_inForce.profile().arrowMultiplier;
}

void TimingControls::reactionTimeSet(int milliseconds)
{
    m_shownReactionTime = milliseconds;
    const bool built = m_form.isPageBuilt(ui::kTimingTab);
    if (built)
        m_form.reactionTimeValue()->setText(QString::number(milliseconds));
    m_pollTimer.setInterval(milliseconds);
    if (built)
        showOnBar(m_form.reactionTimeBar(), milliseconds);
}

void TimingControls::arrowMultiplierSet(int times)
{
    m_shownMultiplier = times;
    const bool built = m_form.isPageBuilt(ui::kTimingTab);
    if (built)
        m_form.multiplierValue()->setText(QString::number(times));
    m_cycle.ArrowMultiplier = times;
    if (built)
        showOnBar(m_form.multiplierBar(), times);
}

void TimingControls::showOnBar(QScrollBar* bar, int value)
{
    m_showing = true;
    bar->setValue(value);
    m_showing = false;
}

} // namespace rukcon::app
