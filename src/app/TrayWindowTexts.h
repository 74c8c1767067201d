#pragma once

#include "app/TrayTexts.h"
#include "ui/TrayWindow.h"

#include <QAction>

namespace rukcon::app {

// The tray window carries both texts itself.
class TrayWindowTexts : public TrayTexts {
public:
    explicit TrayWindowTexts(ui::TrayWindow& tray) : m_tray(tray) {}
    void setTrayCaption(const QString& text) override { m_tray.setWindowTitle(text); }
    void setActivateItemCaption(const QString& text) override
    {
        m_tray.activateItem()->setText(ui::TrayWindow::itemText(text));
    }

private:
    ui::TrayWindow& m_tray;
};

} // namespace rukcon::app
