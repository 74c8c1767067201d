#pragma once

#include <string>

namespace rukcon::platform {

// Message boxes with an OK button, shown by the window on whatever toolkit the program uses. The logic only says what
// to tell the user; tests answer through a recording implementation.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
};

} // namespace rukcon::platform
