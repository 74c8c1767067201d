#include "ui/ControlFactory.h"

#include "ui/CaptionButton.h"
#include "ui/Colours.h"
#include "ui/FitLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace rukcon::ui {

namespace {

template <typename W> W* place(W* widget, const QString& name, const QRect& rect)
{
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

} // namespace

QString arrayName(const char* base, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    auto* label = place(new QLabel(text, parent), name, rect);
    setWidgetColours(label, kBlack, kWorkspaceGrey);
    return label;
}

QLabel* makeFitLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    auto* label = place(new FitLabel(text, parent), name, rect);
    setWidgetColours(label, kBlack, kWorkspaceGrey);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    return place(new CaptionButton(text, parent), name, rect);
}

QPushButton* makeGraphicalButton(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                                 uint32_t backBgr)
{
    auto* button = makeButton(parent, name, text, rect);
    setButtonColour(button, backBgr);
    return button;
}

QComboBox* makeComboBox(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* combo = place(new QComboBox(parent), name, rect);
    // Editable through its own line edit: setEditable() would first build the drop-down popup,
    // which the box otherwise builds when it is first opened (45 key boxes at start-up).
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    // A line edit without a completer gets a new one from setLineEdit(), only to be dropped below.
    static QCompleter* const placeholder = new QCompleter; // shared, and kept to the end
    edit->setCompleter(placeholder);
    combo->setLineEdit(edit);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The text is exactly what the user typed or chose: no completion from the list.
    combo->setCompleter(nullptr);
    return combo;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    return place(new QCheckBox(text, parent), name, rect);
}

QScrollBar* makeHScrollBar(QWidget* parent, const QString& name, int minimum, int maximum, int value, const QRect& rect)
{
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), name, rect);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    return bar;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    // The text comes after construction: a line edit made with its text lays it out once in the
    // application's default font before it takes the parent's, which loads that face (its hinting
    // and shaping tables, some 200 kB kept all day) for nothing.
    auto* box = place(new QLineEdit(parent), name, rect);
    box->setText(text);
    return box;
}

void condenseToFit(QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty())
        return;
    const int overflow = label->fontMetrics().horizontalAdvance(text) - label->width();
    if (overflow <= 0)
        return;
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -std::min(1.0, (overflow + 0.5) / text.size()));
    label->setFont(font);
}

QFrame* makeHorizontalLine(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* line = place(new QFrame(parent), name, QRect(rect.left(), rect.top(), rect.width(), 1));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    return line;
}

} // namespace rukcon::ui
