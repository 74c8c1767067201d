#include "app/KeyListModels.h"

#include "input/KeyTable.h"

#include <QComboBox>

namespace rukcon::app {

// The key names, a given number of times over; nothing can be inserted or removed.
class KeyListModels::Model : public QAbstractListModel {
public:
    Model(const QStringList& names, int repetitions) : m_names(names), m_repetitions(repetitions) {}

    int repetitions() const { return m_repetitions; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_names.size()) * m_repetitions;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_names[index.row() % m_names.size()];
    }

private:
    const QStringList& m_names;
    int m_repetitions;
};

KeyListModels::KeyListModels()
{
    for (const input::KeyEntry& e : input::KeyListEntries())
        m_names.push_back(QString::fromUtf8(e.name.data(), static_cast<qsizetype>(e.name.size())));
}

KeyListModels::~KeyListModels() = default;

int& KeyListModels::repetitions(int slot, int position)
{
    return m_repetitions.at(size_t(slot)).at(size_t(position));
}

KeyListModels::Model* KeyListModels::model(int repetitions)
{
    std::unique_ptr<Model>& model = m_models[repetitions];
    if (!model)
        model = std::make_unique<Model>(m_names, repetitions);
    return model.get();
}

void KeyListModels::show(QComboBox* box, int repetitions)
{
    // A new model selects its first item; the list changed, not the choice.
    const QString shown = box->currentText();
    const int index = box->currentIndex();
    box->setModel(model(repetitions));
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
    if (box->currentText() != shown)
        box->setEditText(shown);
}

void KeyListModels::append(int slot, int position, QComboBox* box)
{
    const int count = ++repetitions(slot, position);
    if (box)
        show(box, count);
}

void KeyListModels::clear(int slot, int position, QComboBox* box)
{
    repetitions(slot, position) = 0;
    if (box && box->count() > 0) // a model change is not free: every box is emptied at start-up
        show(box, 0);
}

void KeyListModels::showOnNewBox(int slot, int position, QComboBox* box)
{
    if (const int count = repetitions(slot, position); count > 0)
        show(box, count);
}

} // namespace rukcon::app
