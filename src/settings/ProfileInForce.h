#pragma once

#include "settings/ProfileControls.h"
#include "settings/SessionState.h"

#include <string>

namespace rukcon::settings {

// What follows the profile in force: the window that shows it, the poll timer and the poll cycle.
class ProfileView {
public:
    virtual ~ProfileView() = default;
    // The 45 key choices were put into force; a built-in profile also empties every key list.
    virtual void keyChoicesPut(const KeyChoices& keys, bool listsEmptied) = 0;
    // A number was set, also to the value it had: its label, and the poll timer's interval
    // (reaction time) or the poll cycle's multiplier, follow every setting.
    virtual void reactionTimeSet(int milliseconds) = 0;
    virtual void arrowMultiplierSet(int times) = 0;
    // The name or the caption fragment changed.
    virtual void nameChanged(const std::string& name) = 0;
    virtual void captionFragmentChanged(const std::string& fragment) = 0;
};

// The profile in force of the session state, and every way into it: a whole profile from a
// settings file or a built-in one, in the order its source asks for, and a user's edit of one
// value. Each change goes into the state first, then to the view.
class ProfileInForce : public ProfileControls {
public:
    ProfileInForce(SessionState& state, ProfileView& view) : m_state(state), m_view(view) {}

    Profile read() const override { return m_state.inForce; }
    bool apply(const Profile& profile, ApplyOrder order) override;

    // False, and nothing changes, for a value outside its range.
    bool setReactionTime(int milliseconds);
    bool setArrowMultiplier(int times);
    void setName(const std::string& name);
    void setCaptionFragment(const std::string& fragment);
    // A key box's text as typed or chosen; the view already shows it.
    void editKeyChoice(int slot, int position, const std::string& key);

    const Profile& profile() const { return m_state.inForce; }

private:
    SessionState& m_state;
    ProfileView& m_view;
};

} // namespace rukcon::settings
