#include "ui/Colours.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>

using rukcon::ui::twips;

TEST(ConversionsTest, twips_roundToTheNearestPixelBothSigns)
{
    const std::pair<int, int> cases[] = {{0, 0},      {7, 0},      {8, 1},     {15, 1},    {2000, 133},
                                         {-7, 0},     {-8, -1},    {-15, -1},  {-22, -1},  {-23, -2},
                                         {7500, 500}, {5325, 355}, {1320, 88}, {6720, 448}};
    for (auto [t, px] : cases)
        EXPECT_EQ(twips(t), px) << t;
    for (int px : {-40, -1, 0, 1, 33, 500})
        EXPECT_EQ(twips(rukcon::ui::toTwips(px)), px);
}

TEST(ConversionsTest, bgr_roundTripsAndPutsRedInTheLowByte)
{
    EXPECT_EQ(rukcon::ui::colourFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(rukcon::ui::colourFromBgr(0xFF8000), QColor(0, 0x80, 255));
    for (uint32_t bgr : {0x000000u, 0x000080u, 0x808080u, 0xFF8000u, 0x123456u, 0xFFFFFFu})
        EXPECT_EQ(rukcon::ui::bgrFromColour(rukcon::ui::colourFromBgr(bgr)), bgr);
}

#include "ui/FitLabel.h"

TEST(FitLabel, longStatusShrinksToTheLabelWidth_shortTextKeepsItsFont)
{
    rukcon::ui::FitLabel label;
    label.setFixedSize(177, 17);
    label.setFont(QFont(label.font().family(), 9));
    label.setText(QStringLiteral("コントローラをパソコンにつないでください。"));
    const QFont fitted = label.fittedFont();
    EXPECT_LT(fitted.pointSizeF(), 9.0);
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(label.text()), label.contentsRect().width());
    label.setText(QStringLiteral("F1キーを押した"));
    EXPECT_EQ(label.fittedFont().pointSizeF(), 9.0);
}
