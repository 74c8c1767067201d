#include "ui/ButtonPanel.h"

#include "ui/Colours.h"
#include "ui/ControlFactory.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace rukcon::ui {

namespace {

struct DesignedButton {
    const char* caption;
    int left;
    int top;
};

// Directions on the left as a cross, the ten buttons in two rows of five on the right.
constexpr std::array<DesignedButton, kLayoutButtonCount> kDesignedLayout{{
    {"↑", 1080, 1440},
    {"→", 1680, 2040},
    {"↓", 1080, 2640},
    {"←", 480, 2040},
    {"1", 3600, 1920},
    {"2", 4080, 1920},
    {"3", 4560, 1920},
    {"4", 5040, 1920},
    {"5", 5520, 1920},
    {"6", 3600, 2400},
    {"7", 4080, 2400},
    {"8", 4560, 2400},
    {"9", 5040, 2400},
    {"10", 5520, 2400},
}};

} // namespace

PanelControls buildButtonPanel(QWidget* window)
{
    PanelControls c;
    c.frame1 = new QFrame(window);
    c.frame1->setObjectName("Frame1");
    c.frame1->setGeometry(twipsRect(480, 4800, 6555, 3765));
    c.frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    c.frame1->hide();
    QWidget* panel = c.frame1;

    c.label6 = makeFitLabel(panel, "Label6", QString(), twipsRect(120, 240, 2655, 255));
    c.label16 = makeLabel(panel, arrayName("Label16", 18), QStringLiteral("ソフト名"), twipsRect(3600, 240, 2055, 255));
    c.label16->setFont(gothicFont(kBarPointSize));

    // A focus holder that must never show its text: fore colour equals back colour.
    c.text1 = makeTextBox(panel, "Text1", QStringLiteral("Text1"), twipsRect(6600, 720, 855, 270));
    QPalette hidden = c.text1->palette();
    const QColor menuBar = colourFromBgr(kMenuBarColour);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
        hidden.setColor(role, menuBar);
    c.text1->setPalette(hidden);

    // The upper and lower zone of the layout meet at 1320; the line runs a little past the panel.
    c.line1 = makeHorizontalLine(panel, "Line1", twipsRect(0, 1320, 6720, 15));

    const QFont buttonFont = gothicFont(kBarPointSize, true);
    for (int i = 0; i < kLayoutButtonCount; ++i) {
        const DesignedButton& designed = kDesignedLayout[size_t(i)];
        QPushButton* button = makeGraphicalButton(
            panel, arrayName("Command11", i), QString::fromUtf8(designed.caption),
            twipsRect(designed.left, designed.top, kLayoutButtonSize, kLayoutButtonSize), kLayoutButtonDesignBgr);
        button->setFont(buttonFont);
        setLayoutButtonTwips(button, designedLayoutButtonTwips(i));
        c.command11[size_t(i)] = button;
    }

    c.check3 = makeCheckBox(panel, "Check3", QStringLiteral("ボタンを消す"), twipsRect(240, 3360, 1455, 255));
    c.command13 =
        makeButton(panel, "Command13", QStringLiteral("初期状態にもどす。"), twipsRect(1920, 3360, 1575, 255));
    c.command12 = makeButton(panel, "Command12", QStringLiteral("決定"), twipsRect(4320, 3360, 735, 255));
    c.check3->hide();
    c.command13->hide();
    c.command12->hide();
    return c;
}

namespace {
constexpr const char* kTwipsProperty = "twipsGeometry";
}

QRect designedLayoutButtonTwips(int index)
{
    const DesignedButton& designed = kDesignedLayout.at(size_t(index));
    return {designed.left, designed.top, kLayoutButtonSize, kLayoutButtonSize};
}

QRect layoutButtonTwips(const QPushButton* button)
{
    const QRect shown = button->geometry();
    const QVariant kept = button->property(kTwipsProperty);
    if (kept.typeId() == QMetaType::QRect) {
        const QRect t = kept.toRect();
        if (twipsRect(t.x(), t.y(), t.width(), t.height()) == shown)
            return t;
    }
    return QRect(toTwips(shown.x()), toTwips(shown.y()), toTwips(shown.width()), toTwips(shown.height()));
}

void setLayoutButtonTwips(QPushButton* button, const QRect& twips)
{
    button->setProperty(kTwipsProperty, twips);
    button->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

} // namespace rukcon::ui
