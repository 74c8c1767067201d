#include "app/FormKeyLists.h"

#include "ui/Form1.h"

#include <QComboBox>

namespace rukcon::app {

void FormKeyLists::appendItem(int position, int slot, const std::string& name)
{
    QComboBox* box = m_form.keyChoiceBox(position, slot);
    // Appending never changes what the box shows, though Qt selects the first item added.
    const QString shown = box->currentText();
    box->addItem(QString::fromStdString(name));
    if (box->currentText() != shown)
        box->setEditText(shown);
}

} // namespace rukcon::app
