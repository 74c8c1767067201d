#pragma once

#include "platform/UserMessages.h"

#include <string>
#include <vector>

namespace rukcon::test {

// The message boxes the logic asked for, by kind, in order.
class RecordingMessages : public platform::UserMessages {
public:
    std::vector<std::string> informations;
    std::vector<std::string> warnings;
    void information(const std::string& text) override { informations.push_back(text); }
    void warning(const std::string& text) override { warnings.push_back(text); }
};

} // namespace rukcon::test
