#include "app/FormKeyLists.h"

#include "app/KeyListModels.h"
#include "ui/Form1.h"

namespace rukcon::app {

void FormKeyLists::appendKeyList(int position, int slot)
{
    m_models.append(m_form.keyChoiceBox(position, slot));
}

} // namespace rukcon::app
