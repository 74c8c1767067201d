#include "UiTestSupport.h"
#include "settings/SettingsTexts.h"
#include "ui/Colours.h"
#include "ui/FitLabel.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <set>

using rukcon::ui::MainWindow;

namespace {

// What the screen shows, not what the palette claims.
QImage shot(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Share of the control's pixels that show exactly the given colour.
double shareOf(QWidget* widget, QRgb colour)
{
    const QImage image = shot(widget);
    int hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixel(x, y) == colour;
    return double(hits) / (image.width() * image.height());
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area)
{
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

class MainWindowLookTest : public ::testing::Test {
protected:
    MainWindow form;
    void SetUp() override { form.show(); }
};

TEST_F(MainWindowLookTest, designedColours_showOnScreen)
{
    struct Expected {
        QWidget* widget;
        QRgb colour;
    };
    const QRgb grey = qRgb(0xAB, 0xAB, 0xAB);
    const Expected table[] = {
        {form.operationCheckButton(), grey},
        {form.exitButton(), grey},
        {form.nameTabSaveButton(), qRgb(0x80, 0x80, 0x80)},
        // BGR 0x000080 is a dark red.
        {form.layoutButton(0), qRgb(0x80, 0x00, 0x00)},
        {form.layoutButton(13), qRgb(0x80, 0x00, 0x00)},
        {form.statusLine(), grey},
        {form.nameLabel(18), grey},
        {form.menuLabel(0), grey},
        {form.reactionTimeValue(), grey},
        {form.keepAboveBox(), grey},
    };
    // The face is most of the control; caption and border take the rest.
    for (const Expected& e : table)
        EXPECT_GT(shareOf(e.widget, e.colour), 0.4) << e.widget->objectName().toStdString();
}

TEST_F(MainWindowLookTest, setButtonColour_isBgr_showsAndReadsBack)
{
    struct Case {
        uint32_t bgr;
        QRgb shown;
    };
    // The idle, active and design colours of the layout buttons, and plain primaries.
    const Case cases[] = {{0xFF8000, qRgb(0x00, 0x80, 0xFF)},
                          {0x0000FF, qRgb(0xFF, 0x00, 0x00)},
                          {0x00FF00, qRgb(0x00, 0xFF, 0x00)},
                          {0x000080, qRgb(0x80, 0x00, 0x00)},
                          {0xFFFFFF, qRgb(0xFF, 0xFF, 0xFF)}};
    for (int i : {0, 7}) {
        QPushButton* button = form.layoutButton(i);
        for (const Case& c : cases) {
            rukcon::ui::setButtonColour(button, c.bgr);
            EXPECT_EQ(rukcon::ui::buttonColour(button), c.bgr);
            EXPECT_GT(shareOf(button, c.shown), 0.4) << std::hex << c.bgr;
            // The caption stays readable: some pixel of the face differs from the face colour.
            const QImage image = shot(button);
            EXPECT_GT(coloursIn(image, image.rect().adjusted(2, 2, -3, -3)).size(), 1u) << std::hex << c.bgr;
        }
    }
    EXPECT_EQ(rukcon::ui::buttonColour(form.nameTabSaveButton()), 0x808080u);
    EXPECT_EQ(rukcon::ui::buttonColour(form.layoutButton(3)), 0x000080u);
}

// Every poll cycle reports all fourteen indicators: one already showing its look is not repainted,
// so an idle controller costs no painting.
TEST_F(MainWindowLookTest, showIndicator_paintsOnlyAChangedLook)
{
    using rukcon::ui::IndicatorLook;
    QPushButton* button = form.layoutButton(2);
    form.showIndicator(2, IndicatorLook::Held);
    EXPECT_EQ(rukcon::ui::buttonColour(button), rukcon::ui::kHeldIndicatorColour);
    rukcon::ui::setButtonColour(button, 0x123456); // a marker that a repaint would cover
    form.showIndicator(2, IndicatorLook::Held);
    EXPECT_EQ(rukcon::ui::buttonColour(button), 0x123456u);
    form.showIndicator(2, IndicatorLook::NoController);
    EXPECT_EQ(rukcon::ui::buttonColour(button), rukcon::ui::kNoControllerIndicatorColour);
}

TEST_F(MainWindowLookTest, menuEntries_whiteTextOnGrey)
{
    form.settingsTabs()->setCurrentIndex(17);
    const QImage image = shot(form.menuLabel(4));
    const std::set<QRgb> colours = coloursIn(image, image.rect());
    EXPECT_TRUE(colours.count(qRgb(0xFF, 0xFF, 0xFF))) << "no white text";
    EXPECT_TRUE(colours.count(qRgb(0xAB, 0xAB, 0xAB)));
    for (QRgb c : colours)
        EXPECT_GE(qGray(c), 0xAB - 1) << "darker than the face: " << std::hex << c;
}

TEST_F(MainWindowLookTest, keySink_neverShowsItsText)
{
    QLineEdit* keySink = form.keySink();
    ASSERT_FALSE(keySink->text().isEmpty());
    keySink->selectAll();
    const QImage image = shot(keySink);
    // Inside the frame there is one colour only, whatever the box holds.
    EXPECT_EQ(coloursIn(image, image.rect().adjusted(3, 3, -4, -4)).size(), 1u);
}

TEST_F(MainWindowLookTest, captions_fitTheirControls)
{
    // Labels keep to one line; buttons may wrap onto as many lines as their height holds.
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString text = rukcon::test::textOf(widget);
        if (text.isEmpty() || qobject_cast<QLineEdit*>(widget) || widget->objectName().isEmpty())
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        const QFontMetrics metrics = widget->fontMetrics();
        if (qobject_cast<QLabel*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(text), widget->width());
        } else if (qobject_cast<QPushButton*>(widget)) {
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, widget->width() - 4, 1000), Qt::TextWordWrap, text);
            EXPECT_LE(wrapped.height(), widget->height() + 1);
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(text) + 20, check->width());
        }
    }
}

TEST_F(MainWindowLookTest, nameTabMessageLine_everyMessageShrinksToFitTheLine)
{
    auto* line = qobject_cast<rukcon::ui::FitLabel*>(form.nameTabMessageLine());
    ASSERT_NE(line, nullptr);
    namespace texts = rukcon::settings::texts;
    for (const char* message : {texts::kMenuFullMessage, texts::kSaveFailedMessage, texts::kArchiveFailedMessage}) {
        line->setText(QString::fromUtf8(message));
        EXPECT_LE(QFontMetrics(line->fittedFont()).horizontalAdvance(line->text()), line->contentsRect().width())
            << message;
    }
}

TEST_F(MainWindowLookTest, wrappedCaption_showsBothLinesInsideTheButton)
{
    // The widest caption of the window: its two halves must both be drawn, inside the button.
    QPushButton* button = form.editLayoutButton();
    form.settingsTabs()->setCurrentIndex(18);
    const QImage image = shot(button);
    const QRgb face = image.pixel(3, 3);
    auto inkIn = [&](int top, int bottom, int left, int right) {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                ink += qGray(image.pixel(x, y)) < qGray(face) - 80;
        return ink;
    };
    const int h = image.height();
    const int w = image.width();
    EXPECT_GT(inkIn(2, h / 2, 2, w - 2), 20) << "first line";
    EXPECT_GT(inkIn(h / 2, h - 2, 2, w - 2), 20) << "second line";
    // Nothing at the very sides: the caption is not cut off there.
    EXPECT_EQ(inkIn(2, h - 2, 2, 6), 0);
    EXPECT_EQ(inkIn(2, h - 2, w - 6, w - 2), 0);
}

} // namespace
