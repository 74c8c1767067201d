#pragma once

#include <string>

namespace rukcon::settings {

// The message line of the name tab (Label14): how the user learns that something was refused
// or could not be saved.
class MessageLine {
public:
    virtual ~MessageLine() = default;
    // A failure: told with the alert sound where the user will see it.
    virtual void showMessage(const std::string& text) = 0;
    // A refusal that is no failure (the menu is full): the message line only, no sound of its own.
    virtual void showNotice(const std::string& text) = 0;
};

} // namespace rukcon::settings
