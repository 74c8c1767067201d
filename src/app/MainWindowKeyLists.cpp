#include "app/MainWindowKeyLists.h"

#include "app/KeyListModels.h"
#include "ui/MainWindow.h"

#include <QComboBox>

#include <array>

namespace rukcon::app {

void MainWindowKeyLists::appendKeyList(int slot, int position)
{
    m_models.append(m_form.keyChoiceBox(slot, position));
}

void resetKeyChoices(ui::MainWindow& form, KeyListModels& models, const settings::KeyChoices& keys)
{
    for (int slot = 0; slot < settings::kSlotCount; ++slot) {
        const std::array<QComboBox*, settings::kKeyPositions> boxes{
            form.keyChoiceBox(slot, 0), form.keyChoiceBox(slot, 1), form.keyChoiceBox(slot, 2)};
        for (size_t position = 0; position < boxes.size(); ++position) {
            models.clear(boxes[position]);
            boxes[position]->setEditText(QString::fromStdString(keys[size_t(slot)][position]));
        }
    }
}

} // namespace rukcon::app
