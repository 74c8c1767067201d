#pragma once

#include <QIcon>

namespace rukcon::ui {

// The program's icon: a small game pad, drawn by the build at each of its sizes so it is sharp at
// every one (ProgramIconDrawing.h). Needs the application object; the first call makes it.
QIcon programIcon();

} // namespace rukcon::ui
