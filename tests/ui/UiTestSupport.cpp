#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>

namespace rukcon::test {

namespace {

int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

} // namespace

QRect pixels(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

const char* qtKind(const QWidget* widget)
{
    const QMetaObject* meta = widget->metaObject();
    while (meta->superClass() && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta->className();
}

QString textOf(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return QString();
}

bool isJapaneseGothic(const QFont& font)
{
    static const QStringList gothic{"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPAGothic", "Noto Sans CJK JP"};
    const QFontMetrics metrics(font);
    return gothic.contains(QFontInfo(font).family()) && metrics.inFont(QChar(u'ソ')) && metrics.inFont(QChar(u'設'));
}

void clickAt(QWidget* window, const QPoint& pos)
{
    QWidget* target = window->childAt(pos);
    if (!target)
        target = window;
    const QPointF local = target->mapFrom(window, QPointF(pos));
    const QPointF global = window->mapToGlobal(QPointF(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace rukcon::test
