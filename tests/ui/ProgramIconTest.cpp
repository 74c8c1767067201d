// The icon the program shows is the one the drawing makes, at every size: the pixels the build
// drew are read back in the format they were drawn in.
#include "ui/AppIcon.h"
#include "ui/ProgramIconDrawing.h"

#include <QPixmap>

#include <gtest/gtest.h>

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
