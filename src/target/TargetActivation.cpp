#include "target/TargetActivation.h"

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

void TargetActivation::ActivateTarget()
{
    m_targetCaption = m_box.fragment();
    if (m_targetCaption.empty())
        return; // TargetFound keeps its value and no sound plays

    const std::vector<std::string> captions = ListTopLevelCaptions();
    m_targetCaption = m_box.fragment(); // read again: the box may have changed meanwhile
    m_targetFound = false;

    // Every match is raised in turn, front-most first, so the one furthest back ends in front.
    for (const std::string& caption : captions) {
        if (m_targetCaption.empty() || caption.find(m_targetCaption) == std::string::npos)
            continue;
        m_targetFound = true;
        const platform::WindowId id = m_windows.findByCaption(caption);
        if (id == 0)
            continue; // closed since the listing
        m_windows.activate(id);
        m_windows.restore(id);
        m_windows.activate(id);
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
