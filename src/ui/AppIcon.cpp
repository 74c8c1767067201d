#include "ui/AppIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace rukcon::ui {

namespace {

constexpr int kOfferedSizes[] = {16, 22, 24, 32, 48, 64};

QPixmap drawPad(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Body with two grips.
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
    return pixmap;
}

// Draws the pad whenever a size is asked for instead of keeping a pixmap of every size: the
// window manager and the tray take the icon once or now and then, and six pixmaps (35 kB) would
// otherwise stay in memory all day.
class PadIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QPixmap drawn = drawPad(std::max(1, std::min(size.width(), size.height())));
        if (mode == QIcon::Normal)
            return drawn;
        // Greyed or highlighted as the style makes it for an icon of pixmaps.
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    // The sizes offered to the window manager (_NET_WM_ICON) and a tray that asks.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kOfferedSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new PadIconEngine; }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new PadIconEngine);
}

} // namespace rukcon::ui
