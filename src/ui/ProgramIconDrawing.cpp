#include "ui/ProgramIconDrawing.h"

#include <QPainter>
#include <QPainterPath>

namespace rukcon::ui {

QImage drawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Body with two grips, one outline.
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 9, 28, 14), 7, 7);
    body.addEllipse(QRectF(2, 14, 10, 14));
    body.addEllipse(QRectF(20, 14, 10, 14));
    p.setPen(QPen(QColor(0x20, 0x20, 0x40), 1.2));
    p.setBrush(QColor(0x3A, 0x6E, 0xD8));
    p.drawPath(body.simplified());

    // Cross on the left.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 12, 3, 9));
    p.drawRect(QRectF(4.5, 15, 9, 3));

    // Four buttons on the right, lit like the controller picture.
    p.setBrush(QColor(0xFF, 0x59, 0x59));
    for (const QPointF& c : {QPointF(23, 12.5), QPointF(26.5, 16), QPointF(23, 19.5), QPointF(19.5, 16)})
        p.drawEllipse(c, 1.8, 1.8);
    return image;
}

} // namespace rukcon::ui
