#pragma once

#include <string>

namespace rukcon::settings {

// The twelve user-menu labels Label12(0 … 11) on the menu tab.
class MenuLabels {
public:
    static constexpr int kCount = 12;

    virtual ~MenuLabels() = default;
    virtual void setMenuLabel(int index, const std::string& caption) = 0;
};

} // namespace rukcon::settings
