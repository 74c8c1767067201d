#pragma once

#include <QIcon>

namespace rukcon::ui {

// The program's icon: a small game pad, drawn at run time so it is sharp at every size.
QIcon programIcon();

} // namespace rukcon::ui
