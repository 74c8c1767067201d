#pragma once

#include "settings/Profile.h"

#include <QAbstractListModel>

#include <array>
#include <map>
#include <memory>

class QComboBox;

namespace rukcon::app {

// The drop-down lists of the 45 key-choice boxes. A key box's list only ever holds the key
// table's names repeated: a fill appends them once more, some commands empty the list. So
// every box holding the same number of repetitions shows one shared, read-only model instead
// of 106 items of its own. Changing a box's list never changes the text it shows. The count is
// kept by slot and key position, so a box whose page is built later gets the list it would hold.
class KeyListModels {
public:
    KeyListModels();
    ~KeyListModels();
    KeyListModels(const KeyListModels&) = delete;
    KeyListModels& operator=(const KeyListModels&) = delete;

    // Appends the key names once more to the list of a slot's key position, shown by box
    // (nullptr while the box is not built).
    void append(int slot, int position, QComboBox* box);
    // Empties that list.
    void clear(int slot, int position, QComboBox* box);
    // Gives a box just built the list its slot's key position holds.
    void showOnNewBox(int slot, int position, QComboBox* box);

private:
    class Model;
    void show(QComboBox* box, int repetitions);
    Model* model(int repetitions);
    int& repetitions(int slot, int position);

    QStringList m_names;
    // How many times each list holds the key names (0 for one not yet filled).
    std::array<std::array<int, settings::kKeyPositions>, settings::kSlotCount> m_repetitions{};
    std::map<int, std::unique_ptr<Model>> m_models;
};

} // namespace rukcon::app
