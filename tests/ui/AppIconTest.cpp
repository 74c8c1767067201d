#include "ui/AppIcon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The window manager (_NET_WM_ICON) and a tray get the pad at each offered size, drawn for that
// size, and greyed for the disabled state as any icon of pixmaps would be.
TEST(AppIconTest, offeredSizes_eachDrawnAtItsSize_greyedWhenDisabled)
{
    const QIcon icon = rukcon::ui::programIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        // Between the cross and the buttons the pad shows its blue body.
        const int inside = size.width() * 15 / 32;
        EXPECT_EQ(image.pixelColor(inside, inside), QColor(0x3A, 0x6E, 0xD8)) << size.width();
    }
    const QColor greyed = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage().pixelColor(15, 15);
    EXPECT_LT(std::abs(greyed.red() - greyed.blue()), 0x30) << greyed.name().toStdString();
}

} // namespace
