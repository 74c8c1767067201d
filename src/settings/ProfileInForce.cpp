#include "settings/ProfileInForce.h"

namespace rukcon::settings {

bool ProfileInForce::apply(const Profile& profile, ApplyOrder order)
{
    const bool builtIn = order.origin == ProfileOrigin::BuiltIn;
    m_state.inForce.keys = profile.keys;
    m_view.keyChoicesPut(profile.keys, builtIn);
    bool accepted = true;
    if (builtIn) {
        accepted &= setReactionTime(profile.reactionTime);
        accepted &= setArrowMultiplier(profile.arrowMultiplier);
    } else {
        accepted &= setArrowMultiplier(profile.arrowMultiplier);
        accepted &= setReactionTime(profile.reactionTime);
    }
    if (order.names == NameOrder::NameFirst) {
        setName(profile.name);
        setCaptionFragment(profile.captionFragment);
    } else {
        setCaptionFragment(profile.captionFragment);
        setName(profile.name);
    }
    return accepted;
}

bool ProfileInForce::setReactionTime(int milliseconds)
{
    if (milliseconds < kReactionTimeMin || milliseconds > kReactionTimeMax)
        return false;
    m_state.inForce.reactionTime = milliseconds;
    m_view.reactionTimeSet(milliseconds);
    return true;
}

bool ProfileInForce::setArrowMultiplier(int times)
{
    if (times < kArrowMultiplierMin || times > kArrowMultiplierMax)
        return false;
    m_state.inForce.arrowMultiplier = times;
    m_view.arrowMultiplierSet(times);
    return true;
}

void ProfileInForce::setName(const std::string& name)
{
    if (m_state.inForce.name == name)
        return;
    m_state.inForce.name = name;
    m_view.nameChanged(name);
}

void ProfileInForce::setCaptionFragment(const std::string& fragment)
{
    if (m_state.inForce.captionFragment == fragment)
        return;
    m_state.inForce.captionFragment = fragment;
    m_view.captionFragmentChanged(fragment);
}

void ProfileInForce::editKeyChoice(int slot, int position, const std::string& key)
{
    if (slot < 0 || slot >= kSlotCount || position < 0 || position >= kKeyPositions)
        return;
    m_state.inForce.keys[size_t(slot)][size_t(position)] = key;
}

} // namespace rukcon::settings
