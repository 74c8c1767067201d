// The icon the program shows is the one the drawing makes, at every size: the pixels the build
// drew are read back in the format they were drawn in.
#include "ui/AppIcon.h"
#include "ui/ProgramIconDrawing.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(ProgramIcon, everySizeHasTheDrawingsPixels)
{
    const QIcon icon = rukcon::ui::programIcon();
    ASSERT_EQ(icon.availableSizes().size(), qsizetype(rukcon::ui::kProgramIconSizes.size()));
    for (const int size : rukcon::ui::kProgramIconSizes) {
        const QImage shown =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, rukcon::ui::drawProgramIcon(size)) << size;
    }
}

// The pixmaps are made when asked for: a size between the drawn ones comes from the next larger
// drawing scaled down, a larger one is the largest drawing (never scaled up), and the disabled
// state is greyed, all as for an icon of pixmaps.
TEST(ProgramIcon, otherSizesFromTheNextLargerDrawing_greyedWhenDisabled)
{
    const QIcon icon = rukcon::ui::programIcon();
    EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    EXPECT_EQ(icon.pixmap(QSize(128, 128)).size(), QSize(64, 64));
    // Between the cross and the buttons the pad shows its blue body.
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().pixelColor(15, 15), QColor(0x3A, 0x6E, 0xD8));
    const QColor greyed = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage().pixelColor(15, 15);
    EXPECT_LT(std::abs(greyed.red() - greyed.blue()), 0x30) << greyed.name().toStdString();
}
