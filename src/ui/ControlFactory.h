#pragma once

#include <QRect>
#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace rukcon::ui {

// Small builders for the window's controls. Every control gets its identifier as objectName
// and its place in pixels (already converted from twips) relative to its container.

// Object name of one member of a control array: "Combo1" and 3 give "Combo1_3".
QString arrayName(const char* base, int index);

// Labels are opaque with workspace-grey back colour unless told otherwise.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place);
// The same, with text that shrinks to fit instead of being cut off.
QLabel* makeFitLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& place);
QPushButton* makeGraphicalButton(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                                 uint32_t backBgr);
// Editable drop-down list whose typing never adds entries to the list nor completes from it.
QComboBox* makeComboBox(QWidget* parent, const QString& name, const QRect& place);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& place);
QScrollBar* makeHScrollBar(QWidget* parent, const QString& name, int minimum, int maximum, int value,
                           const QRect& place);
QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& place);
// The Gothic faces found on Linux run a little wider than the designed one, so a fixed
// caption that would be cut off is set a fraction of a pixel tighter per character.
void condenseToFit(QLabel* label);
// A 1-pixel horizontal line from place.topLeft() over place.width().
QFrame* makeHorizontalLine(QWidget* parent, const QString& name, const QRect& place);

} // namespace rukcon::ui
