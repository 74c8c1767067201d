#include "app/FormKeyLists.h"

#include "app/KeyListModels.h"
#include "ui/Form1.h"

namespace rukcon::app {

void FormKeyLists::appendKeyList(int slot, int position)
{
    m_models.append(m_form.keyChoiceBox(slot, position));
}

} // namespace rukcon::app
