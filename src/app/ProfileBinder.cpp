#include "app/ProfileBinder.h"

#include "app/FormKeyLists.h"
#include "app/TimingControls.h"
#include "ui/Form1.h"

#include <QComboBox>
#include <QLineEdit>

namespace rukcon::app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

settings::Profile ProfileBinder::read() const
{
    settings::Profile profile;
    for (int slot = 0; slot < settings::kSlotCount; ++slot)
        for (int position = 0; position < settings::kKeyPositions; ++position)
            profile.keys[size_t(slot)][size_t(position)] =
                m_form.keyChoiceBox(slot, position)->currentText().toStdString();
    profile.reactionTime = m_timing.reactionTime();
    profile.arrowMultiplier = m_timing.arrowMultiplier();
    profile.name = m_form.profileNameBox()->text().toStdString();
    profile.captionFragment = m_form.captionFragmentBox()->currentText().toStdString();
    return profile;
}

bool ProfileBinder::apply(const settings::Profile& profile, settings::ApplyOrder order)
{
    bool accepted = true;
    if (order.origin == settings::ProfileOrigin::BuiltIn) {
        resetKeyChoices(m_form, m_keyLists, profile.keys);
        accepted &= m_timing.setReactionTime(profile.reactionTime);
        accepted &= m_timing.setArrowMultiplier(profile.arrowMultiplier);
    } else {
        for (int slot = 0; slot < settings::kSlotCount; ++slot)
            for (int position = 0; position < settings::kKeyPositions; ++position)
                m_form.keyChoiceBox(slot, position)
                    ->setEditText(fromUtf8(profile.keys[size_t(slot)][size_t(position)]));
        accepted &= m_timing.setArrowMultiplier(profile.arrowMultiplier);
        accepted &= m_timing.setReactionTime(profile.reactionTime);
    }
    QLineEdit* name = m_form.profileNameBox();
    QComboBox* caption = m_form.captionFragmentBox();
    if (order.names == settings::NameOrder::NameFirst) {
        name->setText(fromUtf8(profile.name));
        caption->setEditText(fromUtf8(profile.captionFragment));
    } else {
        caption->setEditText(fromUtf8(profile.captionFragment));
        name->setText(fromUtf8(profile.name));
    }
    return accepted;
}

} // namespace rukcon::app
