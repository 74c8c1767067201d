#include "app/FormKeyLists.h"

#include "ui/Form1.h"

#include <QComboBox>

namespace rukcon::app {

void FormKeyLists::appendItem(int position, int slot, const std::string& name)
{
    QComboBox* box = position == 0 ? m_form.combo1(slot) : position == 1 ? m_form.combo3(slot) : m_form.combo4(slot);
    // Appending never changes what the box shows, though Qt selects the first item added.
    const QString shown = box->currentText();
    box->addItem(QString::fromStdString(name));
    if (box->currentText() != shown)
        box->setEditText(shown);
}

} // namespace rukcon::app
