#pragma once

#include "input/KeyTable.h"

namespace rukcon::ui {
class Form1;
}

namespace rukcon::app {

// The key-choice drop-down lists of the window, for the key table to fill.
class FormKeyLists : public input::KeyChoiceLists {
public:
    explicit FormKeyLists(ui::Form1& form) : m_form(form) {}
    void appendItem(int position, int slot, const std::string& name) override;

private:
    ui::Form1& m_form;
};

} // namespace rukcon::app
