#pragma once

#include <QColor>

#include <cstdint>

class QPushButton;
class QWidget;

namespace rukcon::ui {

// Colours are 24-bit BGR integers (blue in the high byte), as the settings files store them.
inline constexpr uint32_t kWorkspaceGrey = 0xABABAB; // back colour of the labels and graphical buttons
inline constexpr uint32_t kMenuBarColour = 0xF0F0F0; // back colour of Text1
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;

// What an indicator of the controller picture shows, and its face colour.
enum class IndicatorLook { Idle, Held, NoController };
inline constexpr uint32_t kIdleIndicatorColour = 0xFF8000;         // bright blue
inline constexpr uint32_t kHeldIndicatorColour = 0x5959FF;         // light red
inline constexpr uint32_t kNoControllerIndicatorColour = 0x000060; // dark red
uint32_t indicatorColour(IndicatorLook look);

QColor colourFromBgr(uint32_t bgr);
uint32_t bgrFromColour(const QColor& colour);

// Paints a graphical button's face. A style sheet is used because most platform styles draw
// push buttons with their own gradient and ignore the palette, which would hide the indicator
// colours. The text turns white on dark faces so the caption stays readable.
void setButtonColour(QPushButton* button, uint32_t bgr);
uint32_t buttonColour(const QPushButton* button);

// Opaque fore and back colour for labels and check boxes.
void setWidgetColours(QWidget* widget, uint32_t foreBgr, uint32_t backBgr);

} // namespace rukcon::ui
