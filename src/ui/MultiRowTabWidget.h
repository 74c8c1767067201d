#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <vector>

namespace rukcon::ui {

// A tab control with several rows of tabs above one page area. QTabBar has a single row, so
// the rows are painted here. The rows never rotate: tab i always sits in row i / tabsPerRow.
//
// Every page covers the whole control, the tab rows included, so places on a page count from
// the control's top-left corner. Pages are transparent and keep their controls below the
// rows; a click on a tab lands on the current page, which passes it up to this control.
class MultiRowTabWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 20;
    static constexpr int kRowsTop = 2;

    explicit MultiRowTabWidget(int tabsPerRow, QWidget* parent = nullptr);

    // Adds a tab with an empty page and returns its index. The first tab becomes current.
    int addTab(const QString& caption);

    int count() const { return int(m_tabs.size()); }
    int currentIndex() const { return m_current; }
    // Emits currentChanged only when the index changes; out-of-range indexes are ignored.
    void setCurrentIndex(int index);

    QString tabText(int index) const;
    QWidget* page(int index) const;

    int tabsPerRow() const { return m_tabsPerRow; }
    int rowCount() const;
    // Bottom of the last row, where the page frame starts.
    int rowsBottom() const;
    QRect tabRect(int index) const;
    int tabAt(const QPoint& position) const;

    QFont tabFont() const { return m_tabFont; }
    void setTabFont(const QFont& font);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tab {
        QString caption;
        QWidget* page = nullptr;
    };

    void paintTab(class QPainter& painter, int index) const;
    void step(int delta);

    std::vector<Tab> m_tabs;
    int m_tabsPerRow;
    int m_current = -1;
    QFont m_tabFont;
};

} // namespace rukcon::ui
