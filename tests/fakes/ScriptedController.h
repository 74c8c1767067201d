#pragma once

#include "platform/ControllerDevice.h"

#include <map>
#include <string>

namespace rukcon::test {

// A controller device whose ids answer as the test scripts them, and which counts its calls.
class ScriptedController : public platform::ControllerDevice {
public:
    struct Id {
        bool answers = true;
        platform::ControllerPosition position;
        bool capsOk = true;
        platform::ControllerCaps caps{0, 65535, 0, 65535, 12};
        std::string eventPath; // none by default, like a virtual controller
    };

    unsigned count = 0;
    std::map<unsigned, Id> ids; // an id not listed does not answer

    int countCalls = 0;
    int positionCalls = 0;
    int capsCalls = 0;

    unsigned idCount() override
    {
        ++countCalls;
        return count;
    }

    bool readPosition(unsigned id, platform::ControllerPosition& out) override
    {
        ++positionCalls;
        auto it = ids.find(id);
        if (it == ids.end() || !it->second.answers)
            return false;
        out = it->second.position;
        return true;
    }

    bool readCapabilities(unsigned id, platform::ControllerCaps& out) override
    {
        ++capsCalls;
        auto it = ids.find(id);
        if (it == ids.end() || !it->second.capsOk)
            return false;
        out = it->second.caps;
        return true;
    }

    std::string eventDevicePath(unsigned id) override
    {
        auto it = ids.find(id);
        return it == ids.end() ? std::string() : it->second.eventPath;
    }
};

} // namespace rukcon::test
