#pragma once

#include "settings/Profile.h"

#include <string>

namespace rukcon::settings {

// The twelve user-menu labels Label12(0 … 11) on the menu tab.
class MenuLabels {
public:
    static constexpr int kCount = kMenuEntryCount;

    virtual ~MenuLabels() = default;
    virtual void setMenuLabel(int index, const std::string& caption) = 0;
};

} // namespace rukcon::settings
