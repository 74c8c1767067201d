#include "app/ProfileBinder.h"

#include "app/KeyListModels.h"
#include "app/MainWindowKeyLists.h"
#include "app/TimingControls.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace rukcon::app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ProfileBinder::ProfileBinder(settings::ProfileInForce& inForce, ui::MainWindow& form, TimingControls& timing,
                             KeyListModels& keyLists)
    : m_inForce(inForce), m_form(form), m_timing(timing), m_keyLists(keyLists)
{
    for (int slot = 0; slot < settings::kSlotCount; ++slot)
        if (m_form.isSlotPageBuilt(slot))
            watchKeyBoxes(slot);
    // A page built later shows the state in force, and carries edits from then on.
    connect(&m_form, &ui::MainWindow::slotPageBuilt, this, [this](int slot) {
        for (int position = 0; position < settings::kKeyPositions; ++position) {
            QComboBox* box = m_form.existingKeyChoiceBox(slot, position);
            m_keyLists.showOnNewBox(slot, position, box);
            box->setEditText(fromUtf8(m_inForce.profile().keys[size_t(slot)][size_t(position)]));
        }
        watchKeyBoxes(slot);
    });
    if (m_form.isPageBuilt(ui::kNamingTab))
        onNamingPageBuilt();
    connect(&m_form, &ui::MainWindow::pageBuilt, this, [this](int tab) {
        if (tab == ui::kNamingTab)
            onNamingPageBuilt();
    });
}

void ProfileBinder::watchKeyBoxes(int slot)
{
    for (int position = 0; position < settings::kKeyPositions; ++position) {
        QComboBox* box = m_form.existingKeyChoiceBox(slot, position);
        m_inForce.editKeyChoice(slot, position, box->currentText().toStdString());
        connect(box, &QComboBox::editTextChanged, this, [this, slot, position](const QString& text) {
            m_inForce.editKeyChoice(slot, position, text.toStdString());
        });
    }
}

void ProfileBinder::onNamingPageBuilt()
{
    QLineEdit* nameBox = m_form.profileNameBox();
    QComboBox* captionBox = m_form.captionFragmentBox();
    {
        // What is in force already: nothing changes, so no handler runs.
        const QSignalBlocker blockName(nameBox);
        const QSignalBlocker blockCaption(captionBox);
        nameBox->setText(fromUtf8(m_inForce.profile().name));
        captionBox->setEditText(fromUtf8(m_inForce.profile().captionFragment));
    }
    connect(nameBox, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_inForce.setName(text.toStdString()); });
    connect(captionBox, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_inForce.setCaptionFragment(text.toStdString()); });
}

void ProfileBinder::keyChoicesPut(const settings::KeyChoices& keys, bool listsEmptied)
{
    if (listsEmptied) {
        resetKeyChoices(m_form, m_keyLists, keys);
        return;
    }
    for (int slot = 0; slot < settings::kSlotCount; ++slot)
        for (int position = 0; position < settings::kKeyPositions; ++position)
            if (QComboBox* box = m_form.existingKeyChoiceBox(slot, position))
                box->setEditText(fromUtf8(keys[size_t(slot)][size_t(position)]));
}

void ProfileBinder::reactionTimeSet(int milliseconds)
{
    m_timing.reactionTimeSet(milliseconds);
}

void ProfileBinder::arrowMultiplierSet(int times)
{
    m_timing.arrowMultiplierSet(times);
}

void ProfileBinder::nameChanged(const std::string& name)
{
    // A box that already shows the text is left alone: setting it again would move the cursor
    // of a user typing in it.
    const QString text = fromUtf8(name);
    if (m_form.isPageBuilt(ui::kNamingTab) && m_form.profileNameBox()->text() != text)
        m_form.profileNameBox()->setText(text);
    emit profileNameChanged(text);
}

void ProfileBinder::captionFragmentChanged(const std::string& fragment)
{
    const QString text = fromUtf8(fragment);
    if (m_form.isPageBuilt(ui::kNamingTab) && m_form.captionFragmentBox()->currentText() != text)
        m_form.captionFragmentBox()->setEditText(text);
}

} // namespace rukcon::app
