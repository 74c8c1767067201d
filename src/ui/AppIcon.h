#pragma once

#include <QIcon>

namespace rukcon::ui {

// The program's icon: a small game pad, drawn by the build at each of its sizes so it is sharp at
// every one (ProgramIconDrawing.h). Its pixmaps are made from those pixels when asked for, which
// needs the application object.
QIcon programIcon();

} // namespace rukcon::ui
