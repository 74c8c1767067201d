#pragma once

#include <QTextBrowser>

namespace rukcon::ui {

class MultiRowTabWidget;

// The "ヘルプ" tab: a short read-only guide to the program, built when the tab is first opened.
// It fills the page frame below the tab rows and scrolls when the text is longer than the page.
class HelpPage : public QTextBrowser {
    Q_OBJECT

public:
    // Places itself on the help tab's page of tabs.
    explicit HelpPage(MultiRowTabWidget* tabs);

    static QString helpHtml();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The text is set when the page is first shown: most starts never open it.
    void showEvent(QShowEvent* event) override;

private:
    void placeInPageFrame();

    MultiRowTabWidget* m_tabs;
};

} // namespace rukcon::ui
