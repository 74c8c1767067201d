#pragma once

#include <string>

namespace rukcon::settings {

// The message line of the name tab (Label14): how the user learns that something was refused
// or could not be saved.
class MessageLine {
public:
    virtual ~MessageLine() = default;
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace rukcon::settings
