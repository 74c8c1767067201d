#pragma once

#include <QImage>

#include <array>

namespace rukcon::ui {

// The sizes the program's icon comes in, each drawn on its own so it is sharp.
inline constexpr std::array<int, 6> kProgramIconSizes{16, 22, 24, 32, 48, 64};

// The program's icon at one size: a small game pad whose buttons are lit like the controller
// picture, premultiplied ARGB. Needs no application object: the build draws every size with it
// (ProgramIconPixels.cpp), so the program itself only copies the pixels.
QImage drawProgramIcon(int size);

} // namespace rukcon::ui
