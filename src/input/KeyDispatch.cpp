#include "input/KeyDispatch.h"

#include "input/KeyTable.h"

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
    m_view.setFeedback(std::string(key->caption));
    return true;
}

void KeyDispatch::focusStep()
{
    if (m_view.panelShown())
        m_view.focusSink();
}

void KeyDispatch::DispatchFirstKey()
{
    const std::string first = m_view.keyChoice(CurrentSlot, 0);
    // An input whose first key is the activation key only brings the target to the front.
    if (CurrentSlot != kActivationSlot && first == m_view.keyChoice(kActivationSlot, 0)) {
        m_view.setFeedback({});
        m_target.ActivateTarget();
        return;
    }
    if (m_view.captionFragment().empty()) {
        m_sounds.playAlert();
        return;
    }
    m_target.ActivateTarget();
    if (!m_target.TargetFound()) {
        m_sounds.playAlert();
        return;
    }
    const std::string text = m_view.keyChoice(CurrentSlot, 0);
    if (text.empty() || text == settings::kNoKey)
        m_view.setFeedback({});
    else
        emitNamedKey(text);
    focusStep();
}

void KeyDispatch::DispatchSecondKey()
{
    if (!m_target.TargetFound() || m_view.captionFragment().empty())
        return;
    emitNamedKey(m_view.keyChoice(CurrentSlot, 1));
    focusStep();
}

void KeyDispatch::DispatchThirdKey()
{
    if (!m_target.TargetFound() || m_view.captionFragment().empty())
        return;
    emitNamedKey(m_view.keyChoice(CurrentSlot, 2));
    const std::string caption = m_view.feedback();
    if (!caption.empty())
        m_view.setFeedback(caption + kPressedSuffix);
    focusStep();
}

} // namespace rukcon::input
