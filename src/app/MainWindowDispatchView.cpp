#include "app/MainWindowDispatchView.h"

#include "ui/Colours.h"
#include "ui/MainWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rukcon::app {

std::string MainWindowDispatchView::shownFeedback() const
{
    return m_form.statusLine()->text().toStdString();
}

void MainWindowDispatchView::setFeedback(const std::string& text)
{
    m_form.showStatus(QString::fromStdString(text));
}

bool MainWindowDispatchView::panelShown() const
{
    return m_form.isVisible() && m_form.buttonPanel()->isVisible();
}

void MainWindowDispatchView::focusSink()
{
    m_form.keySink()->setFocus(Qt::OtherFocusReason);
}

void MainWindowDispatchView::clearSink()
{
    // Every cycle ends here: an empty box is left alone, which keeps an idle cycle cheap.
    if (!m_form.keySink()->text().isEmpty())
        m_form.keySink()->setText(QString());
}

void MainWindowDispatchView::showIndicator(int index, input::IndicatorState state)
{
    switch (state) {
    case input::IndicatorState::Idle:
        m_form.showIndicator(index, ui::IndicatorLook::Idle);
        return;
    case input::IndicatorState::Held:
        m_form.showIndicator(index, ui::IndicatorLook::Held);
        return;
    case input::IndicatorState::NoController:
        m_form.showIndicator(index, ui::IndicatorLook::NoController);
        return;
    }
}

} // namespace rukcon::app
