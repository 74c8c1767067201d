#pragma once

#include "input/KeyTable.h"
#include "settings/Profile.h"

namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

class KeyListModels;

// The key-choice drop-down lists of the window, for the key table to fill.
class MainWindowKeyLists : public input::KeyChoiceLists {
public:
    MainWindowKeyLists(ui::MainWindow& form, KeyListModels& models) : m_form(form), m_models(models) {}
    void appendKeyList(int slot, int position) override;

private:
    ui::MainWindow& m_form;
    KeyListModels& m_models;
};

// Every key box's list emptied and its text set from keys.
void resetKeyChoices(ui::MainWindow& form, KeyListModels& models, const settings::KeyChoices& keys);

} // namespace rukcon::app
