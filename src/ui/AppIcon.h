#pragma once

#include <QIcon>

namespace rukcon::ui {

// The program's icon: a small game pad, drawn at run time, at each size it is asked for, so it is
// sharp at every size. Needs the application object when it is drawn.
QIcon programIcon();

} // namespace rukcon::ui
