#include "ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rukcon::ui {

namespace {

// Body with two grips, one outline, in the 32-unit square every size is drawn in.
QPainterPath padOutline()
{
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 9, 28, 14), 7, 7);
    body.addEllipse(QRectF(2, 14, 10, 14));
    body.addEllipse(QRectF(20, 14, 10, 14));
    return body.simplified();
}

QPixmap drawPad(int size, const QPainterPath& outline)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    p.setPen(QPen(QColor(0x20, 0x20, 0x40), 1.2));
    p.setBrush(QColor(0x3A, 0x6E, 0xD8));
    p.drawPath(outline);

    // Cross on the left.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 12, 3, 9));
    p.drawRect(QRectF(4.5, 15, 9, 3));

    // Four buttons on the right, lit like the controller picture.
    p.setBrush(QColor(0xFF, 0x59, 0x59));
    for (const QPointF& c : {QPointF(23, 12.5), QPointF(26.5, 16), QPointF(23, 19.5), QPointF(19.5, 16)})
        p.drawEllipse(c, 1.8, 1.8);
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    // Drawn once for the window, the tray window and the tray icon. Never destroyed: its pixmaps
    // must not outlive the application object, which a static would.
    static const QIcon* const icon = [] {
        auto* drawn = new QIcon;
        // Simplified once: the union of the three shapes is the same at every size.
        const QPainterPath outline = padOutline();
        for (int size : {16, 22, 24, 32, 48, 64})
            drawn->addPixmap(drawPad(size, outline));
        return drawn;
    }();
    return *icon;
}

} // namespace rukcon::ui
