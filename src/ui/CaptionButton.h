#pragma once

#include <QPushButton>

namespace rukcon::ui {

// A push button whose caption goes onto two lines when it is wider than the button, as the
// tall buttons of the window are designed for; the lines are balanced rather than leaving a
// single character on the second one. Given a face colour it paints itself flat in that colour
// with a one-pixel raised edge, as the coloured buttons of the window are designed.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& text, QWidget* parent = nullptr) : QPushButton(text, parent) {}

    // Where the caption may go: the button less a small side margin.
    QRect captionRoom() const;
    // The width the wrapped caption is laid out in, or 0 when it fits on one line.
    int wrapWidth() const;

    // The face and caption colours of a coloured button.
    void setFace(const QColor& face, const QColor& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFace();

    QColor m_face; // invalid: the style paints the button
};

} // namespace rukcon::ui
