#pragma once

#include <QLabel>

namespace rukcon::ui {

// A one-line label whose text shrinks to fit its width rather than being cut off: the status
// and key feedback line is narrower than its longest messages.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The font the text is drawn with now, at most the label's own.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rukcon::ui
