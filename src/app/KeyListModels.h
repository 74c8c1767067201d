#pragma once

#include <QAbstractListModel>

#include <map>
#include <memory>

class QComboBox;

namespace rukcon::app {

// The drop-down lists of the 45 key-choice boxes. A key box's list only ever holds the key
// table's names repeated: a fill appends them once more, some commands empty the list. So
// every box holding the same number of repetitions shows one shared, read-only model instead
// of 106 items of its own. Changing a box's list never changes the text it shows.
class KeyListModels {
public:
    KeyListModels();
    ~KeyListModels();
    KeyListModels(const KeyListModels&) = delete;
    KeyListModels& operator=(const KeyListModels&) = delete;

    // Appends the key names once more to the box's list.
    void append(QComboBox* box);
    // Empties the box's list.
    void clear(QComboBox* box);

private:
    class Model;
    // How many times the box's list holds the key names (0 for a box not yet filled).
    static int repetitionsOf(const QComboBox* box);
    void show(QComboBox* box, int repetitions);
    Model* model(int repetitions);

    QStringList m_names;
    std::map<int, std::unique_ptr<Model>> m_models;
};

} // namespace rukcon::app
