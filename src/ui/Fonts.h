#pragma once

#include <QFont>
#include <QStringList>

namespace rukcon::ui {

inline constexpr qreal kDefaultPointSize = 9.0; // the window's own font and the tab captions
inline constexpr qreal kBarPointSize = 11.25;   // command bar, names, menu entries, layout buttons
inline constexpr qreal kValuePointSize = 12.0;  // the two scroll bar values

// The designed face first, then Japanese Gothic faces found on Linux, so that the captions
// never fall back to a font without kana.
QStringList gothicFamilies();

QFont gothicFont(qreal pointSize, bool bold = false);

} // namespace rukcon::ui
