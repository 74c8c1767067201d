#include "app/MainWindowKeyLists.h"

#include "app/KeyListModels.h"
#include "ui/MainWindow.h"

#include <QComboBox>

namespace rukcon::app {

void MainWindowKeyLists::appendKeyList(int slot, int position)
{
    m_models.append(slot, position, m_form.existingKeyChoiceBox(slot, position));
}

void resetKeyChoices(ui::MainWindow& form, KeyListModels& models, const settings::KeyChoices& keys)
{
    for (int slot = 0; slot < settings::kSlotCount; ++slot) {
        for (int position = 0; position < settings::kKeyPositions; ++position) {
            QComboBox* box = form.existingKeyChoiceBox(slot, position);
            models.clear(slot, position, box);
            if (box)
                box->setEditText(QString::fromStdString(keys[size_t(slot)][size_t(position)]));
        }
    }
}

} // namespace rukcon::app
