#include "ui/CaptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
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

void CaptionButton::setFace(const QColor& face, const QColor& caption)
{
    m_face = face;
    // The caption colour is also the palette's, where the caption is drawn either way.
    QPalette colours = palette();
    colours.setColor(QPalette::Button, face);
    colours.setColor(QPalette::ButtonText, caption);
    setPalette(colours);
    update();
}

void CaptionButton::paintFace()
{
    // Drawn here rather than by a style sheet, which costs every coloured button a style of its own.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, m_face);
    const QColor shaded = m_face.darker(160);
    const QColor lit = shaded.lighter();
    const bool sunken = isDown() || isChecked();
    // The top and left edge keep the two corners they share with the others.
    painter.setPen(sunken ? lit : shaded);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(sunken ? shaded : lit);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());

    const QRect room = captionRoom();
    QRect box = room;
    if (const int width = wrapWidth(); width > 0) {
        box = QRect(0, 0, width, room.height());
        box.moveCenter(room.center());
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(box, kWrapFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(1, 1, -1, -1); // inside the edge
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CaptionButton::paintEvent(QPaintEvent* event)
{
    if (m_face.isValid()) {
        paintFace();
        return;
    }
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
