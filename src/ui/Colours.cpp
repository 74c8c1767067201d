#include "ui/Colours.h"

#include "ui/CaptionButton.h"

#include <QPalette>
#include <QPushButton>
#include <QVariant>

namespace rukcon::ui {

namespace {

// Where a button keeps its BGR back colour so that it reads back exactly as it was set.
constexpr char kBackColourProperty[] = "rukconBackColour";

bool isDark(const QColor& colour)
{
    return 299 * colour.red() + 587 * colour.green() + 114 * colour.blue() < 128 * 1000;
}

} // namespace

uint32_t indicatorColour(IndicatorLook look)
{
    switch (look) {
    case IndicatorLook::Held:
        return kHeldIndicatorColour;
    case IndicatorLook::NoController:
        return kNoControllerIndicatorColour;
    case IndicatorLook::Idle:
        break;
    }
    return kIdleIndicatorColour;
}

QColor colourFromBgr(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

uint32_t bgrFromColour(const QColor& colour)
{
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) | (uint32_t(colour.blue()) << 16);
}

void setButtonColour(QPushButton* button, uint32_t bgr)
{
    if (!button)
        return;
    bgr &= 0xFFFFFF;
    const QColor face = colourFromBgr(bgr);
    const QColor caption = isDark(face) ? Qt::white : Qt::black;
    if (auto* painted = qobject_cast<CaptionButton*>(button)) {
        painted->setFace(face, caption);
    } else {
        // Every button of the window is a caption button; another one gets the colours the style allows.
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, face);
        palette.setColor(QPalette::ButtonText, caption);
        button->setPalette(palette);
    }
    button->setProperty(kBackColourProperty, QVariant::fromValue(bgr));
}

uint32_t buttonColour(const QPushButton* button)
{
    if (!button)
        return 0;
    const QVariant stored = button->property(kBackColourProperty);
    if (stored.isValid())
        return stored.toUInt();
    return bgrFromColour(button->palette().color(QPalette::Button));
}

void setWidgetColours(QWidget* widget, uint32_t foreBgr, uint32_t backBgr)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    const QColor fore = colourFromBgr(foreBgr);
    const QColor back = colourFromBgr(backBgr);
    // Labels paint the window roles, check boxes the button roles.
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, fore);
    palette.setColor(QPalette::Button, back);
    palette.setColor(QPalette::ButtonText, fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace rukcon::ui
