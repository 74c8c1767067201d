#include "ui/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace rukcon::ui {

namespace {

constexpr int kSideMargin = 2;
constexpr int kWrapFlags = Qt::AlignCenter | Qt::TextWordWrap;

int wrappedHeight(const QFontMetrics& metrics, int width, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, 10000), kWrapFlags, text).height();
}

} // namespace

QRect CaptionButton::captionRoom() const
{
    return rect().adjusted(kSideMargin, 0, -kSideMargin, 0);
}

int CaptionButton::wrapWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    const int room = captionRoom().width();
    if (room <= 0 || metrics.horizontalAdvance(text()) <= room)
        return 0;
    // Narrow the box for as long as the caption keeps the same number of lines.
    const int height = wrappedHeight(metrics, room, text());
    int width = room;
    while (width > room / 2 && wrappedHeight(metrics, width - 1, text()) == height)
        --width;
    return width;
}

void CaptionButton::paintEvent(QPaintEvent* event)
{
    const int width = icon().isNull() ? wrapWidth() : 0;
    if (width == 0) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect room = captionRoom();
    QRect box(0, 0, width, room.height());
    box.moveCenter(room.center());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(box, kWrapFlags, text());
}

} // namespace rukcon::ui
