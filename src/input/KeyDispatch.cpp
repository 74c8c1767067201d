#include "input/KeyDispatch.h"

#include "input/KeyTable.h"

#include <utility>

namespace rukcon::input {

namespace {
const std::string kPressedSuffix = "を押した";
} // namespace

bool KeyDispatch::emitNamedKey(const std::string& text)
{
    const KeyEntry* key = FindKey(text);
    if (!key)
        return false;
    if (key->emission == Emission::Hold)
        m_keys.HoldKey(key->code);
    else
        m_keys.TapKey(key->code);
    m_caption = std::string(key->caption);
    return true;
}

void KeyDispatch::focusStep()
{
    if (m_view.panelShown())
        m_view.focusSink();
}

void KeyDispatch::showCaption()
{
    if (m_caption)
        m_view.setFeedback(*m_caption);
    m_caption.reset();
}

void KeyDispatch::DispatchFirstKey()
{
    m_caption.reset();
    const std::string first = keyChoice(CurrentSlot, 0);
    // An input whose first key is the activation key only brings the target to the front.
    if (CurrentSlot != kActivationSlot && first == keyChoice(kActivationSlot, 0)) {
        m_caption = std::string();
        m_target.ActivateTarget();
        return;
    }
    if (m_profile.captionFragment.empty()) {
        m_sounds.playAlert();
        return;
    }
    m_target.ActivateTarget();
    if (!m_target.TargetFound()) {
        m_sounds.playAlert();
        return;
    }
    const std::string text = keyChoice(CurrentSlot, 0);
    if (text.empty() || text == settings::kNoKey)
        m_caption = std::string();
    else
        emitNamedKey(text);
    focusStep();
}

void KeyDispatch::DispatchSecondKey()
{
    if (!m_target.TargetFound() || m_profile.captionFragment.empty())
        return;
    emitNamedKey(keyChoice(CurrentSlot, 1));
    focusStep();
}

void KeyDispatch::DispatchThirdKey()
{
    if (!m_target.TargetFound() || m_profile.captionFragment.empty()) {
        showCaption();
        return;
    }
    emitNamedKey(keyChoice(CurrentSlot, 2));
    // When no step named a key (and the first was neither "なし" nor empty), the line keeps what
    // it showed and gains the suffix once more: the one case that needs the shown text.
    if (!m_caption) {
        std::string shown = m_view.shownFeedback();
        if (!shown.empty())
            m_caption = std::move(shown);
    }
    if (m_caption && !m_caption->empty())
        *m_caption += kPressedSuffix;
    showCaption();
    focusStep();
}

} // namespace rukcon::input
