#pragma once

#include <QIcon>

namespace rukcon::ui {

// The program's icon: a small game pad, drawn at run time so it is sharp at every size. Needs the
// application object; the first call draws it.
QIcon programIcon();

} // namespace rukcon::ui
