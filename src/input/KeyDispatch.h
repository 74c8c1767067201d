#pragma once

#include "input/DispatchView.h"
#include "input/KeyEmission.h"
#include "settings/Profile.h"
#include "sound/SoundEffects.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rukcon::input {

using settings::kActivationSlot;

// Turns one active input slot into keys: the three key positions of CurrentSlot, in order.
// The first step brings the target to the front; the other two rely on what it found. Each step
// reads the profile in force afresh, so an edit made while keys are being sent counts at the next key.
class KeyDispatch {
public:
    KeyDispatch(const settings::Profile& inForce, DispatchView& view, KeyEmission& keys, TargetActivator& target,
                sound::SoundEffects& sounds)
        : m_profile(inForce), m_view(view), m_keys(keys), m_target(target), m_sounds(sounds)
    {
    }

    int16_t CurrentSlot = 0;

    void DispatchFirstKey();
    void DispatchSecondKey();
    void DispatchThirdKey();

    TargetActivator& target() { return m_target; }

private:
    // Emits the key named by text and keeps its caption for the line; false when text names no key.
    bool emitNamedKey(const std::string& text);
    void focusStep();
    // Writes the caption the steps settled on, once; nothing when no step set one.
    void showCaption();
    const std::string& keyChoice(int slot, int position) const
    {
        return m_profile.keys[size_t(slot)][size_t(position)];
    }

    const settings::Profile& m_profile;
    DispatchView& m_view;
    KeyEmission& m_keys;
    TargetActivator& m_target;
    sound::SoundEffects& m_sounds;
    // What the feedback line is to show after this dispatch; empty optional = leave it alone.
    std::optional<std::string> m_caption;
};

} // namespace rukcon::input
