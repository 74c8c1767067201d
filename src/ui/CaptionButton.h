#pragma once

#include <QPushButton>

namespace rukcon::ui {

// A push button whose caption goes onto two lines when it is wider than the button, as the
// tall buttons of the window are designed for; the lines are balanced rather than leaving a
// single character on the second one.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& text, QWidget* parent = nullptr) : QPushButton(text, parent) {}

    // Where the caption may go: the button less a small side margin.
    QRect captionRoom() const;
    // The width the wrapped caption is laid out in, or 0 when it fits on one line.
    int wrapWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rukcon::ui
