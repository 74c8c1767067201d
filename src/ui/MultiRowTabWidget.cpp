#include "ui/MultiRowTabWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

#include <algorithm>

namespace rukcon::ui {

MultiRowTabWidget::MultiRowTabWidget(int tabsPerRow, QWidget* parent)
    : QWidget(parent), m_tabsPerRow(std::max(1, tabsPerRow)), m_tabFont(font())
{
    setFocusPolicy(Qt::StrongFocus);
}

int MultiRowTabWidget::addTab(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("%1_page%2").arg(objectName()).arg(m_tabs.size()));
    page->setGeometry(rect());
    m_tabs.push_back({caption, page});
    const int index = count() - 1;
    if (m_current < 0) {
        m_current = index;
        emit currentChanged(index);
    } else {
        page->hide();
    }
    update();
    return index;
}

void MultiRowTabWidget::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    // Show the new page before hiding the old one so the focus does not wander off the control.
    m_tabs[size_t(index)].page->show();
    if (m_current >= 0)
        m_tabs[size_t(m_current)].page->hide();
    m_current = index;
    update();
    emit currentChanged(index);
}

QString MultiRowTabWidget::tabText(int index) const
{
    return index >= 0 && index < count() ? m_tabs[size_t(index)].caption : QString();
}

QWidget* MultiRowTabWidget::page(int index) const
{
    return index >= 0 && index < count() ? m_tabs[size_t(index)].page : nullptr;
}

int MultiRowTabWidget::rowCount() const
{
    return (count() + m_tabsPerRow - 1) / m_tabsPerRow;
}

int MultiRowTabWidget::rowsBottom() const
{
    return kRowsTop + rowCount() * kRowHeight;
}

QRect MultiRowTabWidget::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const int row = index / m_tabsPerRow;
    const int column = index % m_tabsPerRow;
    const int left = column * width() / m_tabsPerRow;
    const int right = (column + 1) * width() / m_tabsPerRow;
    return QRect(left, kRowsTop + row * kRowHeight, right - left, kRowHeight);
}

int MultiRowTabWidget::tabAt(const QPoint& position) const
{
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(position))
            return i;
    }
    return -1;
}

void MultiRowTabWidget::setTabFont(const QFont& font)
{
    m_tabFont = font;
    update();
}

void MultiRowTabWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame(0, rowsBottom(), width(), height() - rowsBottom());
    painter.fillRect(frame, palette().window());
    qDrawShadePanel(&painter, frame, palette(), false, 1);
    painter.setFont(m_tabFont);
    for (int i = 0; i < count(); ++i)
        paintTab(painter, i);
}

void MultiRowTabWidget::paintTab(QPainter& painter, int index) const
{
    const bool selected = index == m_current;
    const QRectF box = QRectF(tabRect(index)).adjusted(1.5, 1.5, -0.5, -0.5);

    QPainterPath outline;
    const qreal radius = 3;
    outline.moveTo(box.bottomLeft());
    outline.lineTo(box.left(), box.top() + radius);
    outline.quadTo(box.topLeft(), QPointF(box.left() + radius, box.top()));
    outline.lineTo(box.right() - radius, box.top());
    outline.quadTo(box.topRight(), QPointF(box.right(), box.top() + radius));
    outline.lineTo(box.bottomRight());
    outline.closeSubpath();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(selected ? palette().color(QPalette::Base) : palette().color(QPalette::Button));
    painter.drawPath(outline);
    if (selected) {
        // A coloured strip along the top marks the current tab in whichever row it sits.
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawRect(QRectF(box.left() + 1, box.top(), box.width() - 2, 2.5));
    }
    painter.restore();

    painter.setPen(palette().color(selected ? QPalette::Text : QPalette::ButtonText));
    painter.drawText(tabRect(index), Qt::AlignCenter, m_tabs[size_t(index)].caption);
    if (selected && hasFocus()) {
        QRect focus = painter.fontMetrics().boundingRect(m_tabs[size_t(index)].caption);
        focus.moveCenter(tabRect(index).center());
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focus.adjusted(-2, 0, 1, 0));
    }
}

void MultiRowTabWidget::mousePressEvent(QMouseEvent* event)
{
    const int index = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
    if (index < 0) {
        event->ignore();
        return;
    }
    setCurrentIndex(index);
    event->accept();
}

void MultiRowTabWidget::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+PgDn reach here from any control on a page; the arrows only when the
    // tab rows themselves have the focus.
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool rowsFocused = hasFocus();
    switch (event->key()) {
    case Qt::Key_Tab:
        if (ctrl)
            return step(+1);
        break;
    case Qt::Key_Backtab:
        if (ctrl)
            return step(-1);
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            return step(+1);
        break;
    case Qt::Key_PageUp:
        if (ctrl)
            return step(-1);
        break;
    case Qt::Key_Right:
        if (rowsFocused)
            return step(+1);
        break;
    case Qt::Key_Left:
        if (rowsFocused)
            return step(-1);
        break;
    case Qt::Key_Down:
        if (rowsFocused)
            return step(+m_tabsPerRow);
        break;
    case Qt::Key_Up:
        if (rowsFocused)
            return step(-m_tabsPerRow);
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void MultiRowTabWidget::step(int delta)
{
    if (count() == 0)
        return;
    setCurrentIndex(((m_current + delta) % count() + count()) % count());
}

void MultiRowTabWidget::resizeEvent(QResizeEvent* event)
{
    for (const Tab& tab : m_tabs)
        tab.page->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace rukcon::ui
