#include "target/TargetActivation.h"

#include <algorithm>

namespace rukcon::target {

std::vector<std::string> TargetActivation::ListTopLevelCaptions(bool* complete)
{
    std::vector<platform::WindowEntry> windows;
    const bool ok = m_windows.listVisibleWindows(windows);
    std::vector<std::string> captions;
    captions.reserve(windows.size() + 1);
    captions.emplace_back();
    for (auto& w : windows)
        captions.push_back(std::move(w.caption));
    if (complete)
        *complete = ok;
    return captions;
}

void TargetActivation::beginCycle()
{
    m_inCycle = true;
    m_cycleListed = false;
    m_cycleWindows.clear();
    m_cycleActivated.clear();
    m_cycleWaitSpent = false;
}

void TargetActivation::endCycle()
{
    m_inCycle = false;
    m_cycleListed = false;
    m_cycleWindows.clear();
    m_cycleActivated.clear();
}

bool TargetActivation::activatedInCycle(platform::WindowId id) const
{
    return std::find(m_cycleActivated.begin(), m_cycleActivated.end(), id) != m_cycleActivated.end();
}

void TargetActivation::bringForward(platform::WindowId id)
{
    if (!m_inCycle) {
        m_windows.activate(id, platform::ActivationWait::UntilActive);
        m_windows.restore(id);
        m_windows.activate(id, platform::ActivationWait::UntilActive);
        return;
    }
    // The keys that follow need the window active, so the first activation in a cycle waits for
    // it; it cannot stop being active within the cycle unless the user intervenes.
    const bool wait = !m_cycleWaitSpent && !activatedInCycle(id);
    if (!m_windows.activate(id, wait ? platform::ActivationWait::UntilActive : platform::ActivationWait::No) && wait)
        m_cycleWaitSpent = true;
    if (!activatedInCycle(id))
        m_cycleActivated.push_back(id);
    m_windows.restore(id);
    m_windows.activate(id, platform::ActivationWait::No);
}

void TargetActivation::ActivateTarget()
{
    m_targetCaption = m_box.fragment();
    if (m_targetCaption.empty())
        return; // TargetFound keeps its value and no sound plays

    std::vector<platform::WindowEntry> listed;
    if (!m_inCycle) {
        m_windows.listVisibleWindows(listed);
    } else if (!m_cycleListed) {
        m_windows.listVisibleWindows(m_cycleWindows);
        m_cycleListed = true;
    }
    const std::vector<platform::WindowEntry>& windows = m_inCycle ? m_cycleWindows : listed;
    m_targetCaption = m_box.fragment(); // read again: the box may have changed meanwhile
    m_targetFound = false;

    // Every match is raised in turn, front-most first, so the one furthest back ends in front.
    for (const platform::WindowEntry& window : windows) {
        if (!CaptionContains(window.caption, m_targetCaption))
            continue;
        m_targetFound = true;
        bringForward(window.id);
    }
    if (!m_targetFound)
        m_sounds.playAlert();
}

void TargetActivation::RefreshCaptionList()
{
    const std::vector<std::string> captions = ListTopLevelCaptions();
    const std::string keep = m_box.fragment();
    m_box.clearList();
    for (const std::string& caption : captions) {
        if (!caption.empty())
            m_box.appendListItem(caption);
    }
    m_box.setFragment(keep);
}

} // namespace rukcon::target
