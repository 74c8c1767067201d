#include "app/ProfileBinder.h"

#include "app/KeyListModels.h"
#include "app/MainWindowKeyLists.h"
#include "app/TimingControls.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>

namespace rukcon::app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ProfileBinder::ProfileBinder(settings::SessionState& state, ui::MainWindow& form, TimingControls& timing,
                             KeyListModels& keyLists)
    : m_state(state), m_form(form), m_timing(timing), m_keyLists(keyLists)
{
    settings::Profile& inForce = m_state.inForce;
    // The state starts as the window is built; from then on each edit is carried over as it happens.
    for (int slot = 0; slot < settings::kSlotCount; ++slot)
        if (m_form.isSlotPageBuilt(slot))
            watchKeyBoxes(slot);
    // A page built later shows the state in force, and carries edits from then on.
    connect(&m_form, &ui::MainWindow::slotPageBuilt, this, [this](int slot) {
        for (int position = 0; position < settings::kKeyPositions; ++position) {
            QComboBox* box = m_form.existingKeyChoiceBox(slot, position);
            m_keyLists.showOnNewBox(slot, position, box);
            box->setEditText(fromUtf8(m_state.inForce.keys[size_t(slot)][size_t(position)]));
        }
        watchKeyBoxes(slot);
    });
    inForce.name = m_form.profileNameBox()->text().toStdString();
    connect(m_form.profileNameBox(), &QLineEdit::textChanged, this,
            [&inForce](const QString& text) { inForce.name = text.toStdString(); });
    inForce.captionFragment = m_form.captionFragmentBox()->currentText().toStdString();
    connect(m_form.captionFragmentBox(), &QComboBox::editTextChanged, this,
            [&inForce](const QString& text) { inForce.captionFragment = text.toStdString(); });
}

void ProfileBinder::watchKeyBoxes(int slot)
{
    for (int position = 0; position < settings::kKeyPositions; ++position) {
        QComboBox* box = m_form.existingKeyChoiceBox(slot, position);
        std::string& choice = m_state.inForce.keys[size_t(slot)][size_t(position)];
        choice = box->currentText().toStdString();
        connect(box, &QComboBox::editTextChanged, this, [&choice](const QString& text) { choice = text.toStdString(); });
    }
}

bool ProfileBinder::apply(const settings::Profile& profile, settings::ApplyOrder order)
{
    settings::Profile& inForce = m_state.inForce;
    bool accepted = true;
    inForce.keys = profile.keys;
    if (order.origin == settings::ProfileOrigin::BuiltIn) {
        resetKeyChoices(m_form, m_keyLists, profile.keys);
        accepted &= m_timing.setReactionTime(profile.reactionTime);
        accepted &= m_timing.setArrowMultiplier(profile.arrowMultiplier);
    } else {
        for (int slot = 0; slot < settings::kSlotCount; ++slot)
            for (int position = 0; position < settings::kKeyPositions; ++position)
                if (QComboBox* box = m_form.existingKeyChoiceBox(slot, position))
                    box->setEditText(fromUtf8(profile.keys[size_t(slot)][size_t(position)]));
        accepted &= m_timing.setArrowMultiplier(profile.arrowMultiplier);
        accepted &= m_timing.setReactionTime(profile.reactionTime);
    }
    const auto putName = [&] {
        inForce.name = profile.name;
        m_form.profileNameBox()->setText(fromUtf8(profile.name));
    };
    const auto putCaption = [&] {
        inForce.captionFragment = profile.captionFragment;
        m_form.captionFragmentBox()->setEditText(fromUtf8(profile.captionFragment));
    };
    if (order.names == settings::NameOrder::NameFirst) {
        putName();
        putCaption();
    } else {
        putCaption();
        putName();
    }
    return accepted;
}

} // namespace rukcon::app
