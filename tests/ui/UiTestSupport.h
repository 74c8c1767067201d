#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace rukcon::test {

// The tables below are in twips as designed; 15 twips make a pixel.
QRect pixels(int left, int top, int width, int height);

// The Qt class a control is, looking through the program's own subclasses.
const char* qtKind(const QWidget* widget);

// Caption or text of any of the window's control kinds.
QString textOf(const QWidget* widget);

// True when the font really used has Japanese glyphs and is a Gothic face.
bool isJapaneseGothic(const QFont& font);

// A left click where a user would click: at pos in window coordinates, delivered to the
// topmost widget there, as the window system would.
void clickAt(QWidget* window, const QPoint& pos);

} // namespace rukcon::test
