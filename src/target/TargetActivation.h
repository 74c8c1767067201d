#pragma once

#include "platform/WindowSystem.h"
#include "sound/SoundEffects.h"

#include <string>
#include <vector>

namespace rukcon::target {

// The rule by which a fragment names a window: not empty, and contained in the caption exactly
// as written (letter case counts).
inline bool CaptionContains(const std::string& caption, const std::string& fragment)
{
    return !fragment.empty() && caption.find(fragment) != std::string::npos;
}

// The caption fragment box of the window and its drop-down list of running programs.
class CaptionFragmentBox {
public:
    virtual ~CaptionFragmentBox() = default;
    virtual std::string fragment() const = 0;
    virtual void setFragment(const std::string& text) = 0;
    virtual void clearList() = 0;
    virtual void appendListItem(const std::string& caption) = 0;
};

// Finds the windows whose captions contain the profile's caption fragment and brings them to
// the front; also lists the captions of the running programs for the fragment box.
class TargetActivation {
public:
    TargetActivation(platform::WindowSystem& windows, CaptionFragmentBox& box, sound::SoundEffects& sounds)
        : m_windows(windows), m_box(box), m_sounds(sounds)
    {
    }

    // Entry 0 is always the empty text, then the captions of the visible top-level windows
    // front to back, unchanged (empty ones and duplicates included).
    std::vector<std::string> ListTopLevelCaptions(bool* complete = nullptr);

    void ActivateTarget();
    void RefreshCaptionList();

    // A poll cycle runs its dispatches between these two. Within a cycle the windows are listed
    // once, at the first activation, and reused; a window activated once in the cycle is not
    // waited for again, and once a wait has run out (the window manager ignores requests) no
    // later activation of the cycle waits. Outside a cycle every activation lists afresh.
    void beginCycle();
    void endCycle();

    bool targetFound() const { return m_targetFound; }
    const std::string& targetCaption() const { return m_targetCaption; }

private:
    // Brings one listed window forward: activate, restore if minimised, activate again.
    void bringForward(platform::WindowId id);
    bool activatedInCycle(platform::WindowId id) const;

    platform::WindowSystem& m_windows;
    CaptionFragmentBox& m_box;
    sound::SoundEffects& m_sounds;
    std::string m_targetCaption;
    bool m_targetFound = false;

    bool m_inCycle = false;
    bool m_cycleListed = false;
    std::vector<platform::WindowEntry> m_cycleWindows;
    std::vector<platform::WindowId> m_cycleActivated;
    bool m_cycleWaitSpent = false;
};

} // namespace rukcon::target
