#include "target/AutomaticSwitch.h"

#include "target/TargetActivation.h"

namespace rukcon::target {

std::optional<size_t> ChooseMenuEntry(const ActiveCaption& window, bool settingsMode,
                                      const std::vector<ProfileTarget>& entries, const std::string& fragmentInUse)
{
    if (settingsMode || window.ownWindow || window.caption.empty())
        return std::nullopt;
    if (CaptionContains(window.caption, fragmentInUse))
        return std::nullopt;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].name.empty() && CaptionContains(window.caption, entries[i].fragment))
            return i;
    }
    return std::nullopt;
}

} // namespace rukcon::target
