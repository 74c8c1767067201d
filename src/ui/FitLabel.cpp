#include "ui/FitLabel.h"

#include <QPainter>

namespace rukcon::ui {

namespace {
constexpr qreal kSmallestPoints = 6.0;
constexpr qreal kStep = 0.5;
} // namespace

QFont FitLabel::fittedFont() const
{
    QFont f = font();
    const int width = contentsRect().width();
    while (QFontMetrics(f).horizontalAdvance(text()) > width && f.pointSizeF() - kStep >= kSmallestPoints)
        f.setPointSizeF(f.pointSizeF() - kStep);
    return f;
}

void FitLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}

} // namespace rukcon::ui
