#include "ui/AppIcon.h"

#include "ui/ProgramIconDrawing.h"
#include "ui/ProgramIconPixels.h" // made by the build

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace rukcon::ui {

namespace {

// The pixels the build drew, in the order of kProgramIconSizes, read in place.
QImage drawnPixels(size_t index)
{
    const int size = kProgramIconSizes[index];
    return QImage(reinterpret_cast<const uchar*>(generated::kProgramIconPixels[index]), size, size,
                  QImage::Format_ARGB32_Premultiplied);
}

// Makes a pixmap from the build's pixels whenever a size is asked for, instead of keeping a
// pixmap of every size: the window manager and the tray take the icon once or now and then, and
// six pixmaps (35 kB) would otherwise stay in memory all day. Sizes are chosen as for an icon of
// pixmaps: the smallest drawn one at least as large, scaled down, else the largest.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        size_t index = kProgramIconSizes.size() - 1;
        for (size_t i = 0; i < kProgramIconSizes.size(); ++i) {
            if (kProgramIconSizes[i] >= std::max(size.width(), size.height())) {
                index = i;
                break;
            }
        }
        QPixmap made = QPixmap::fromImage(drawnPixels(index));
        if (made.width() > size.width() || made.height() > size.height())
            made = made.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Normal)
            return made;
        // Greyed or highlighted as the style makes it for an icon of pixmaps.
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(mode, made, &option);
    }

    // The sizes offered to the window manager (_NET_WM_ICON) and to a tray that asks.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kProgramIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace rukcon::ui
