#pragma once

#include "fakes/FakeDispatchView.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/RecordingSound.h"
#include "input/KeyDispatch.h"
#include "settings/SessionState.h"

namespace rukcon::test {

// Activation and sounds write into the same log as the keys, so one list shows their order.
class LoggingActivator : public input::TargetActivator {
public:
    explicit LoggingActivator(EventLog& log) : m_log(log) {}
    bool windowRunning = true;
    bool found = false;
    void ActivateTarget() override
    {
        m_log.push_back("activate");
        activationsOutsideCycle += inCycle ? 0 : 1;
        found = windowRunning;
    }
    bool TargetFound() const override { return found; }
    void BeginCycle() override
    {
        ++cycles;
        inCycle = true;
    }
    void EndCycle() override { inCycle = false; }
    int cycles = 0;
    bool inCycle = false;
    int activationsOutsideCycle = 0;

private:
    EventLog& m_log;
};

// Everything one dispatch needs, wired to fakes that share one event log.
struct DispatchRig {
    EventLog log;
    settings::SessionState state;
    settings::Profile& profile = state.inForce; // the profile in force
    FakeDispatchView view;
    RecordingKeyboard keyboard{log};
    RecordingPump pump{log};
    input::KeyEmission keys{keyboard, pump};
    LoggingActivator target{log};
    RecordingSound sound{log};
    input::KeyDispatch dispatch{profile, view, keys, target, sound};

    DispatchRig()
    {
        for (auto& slot : profile.keys)
            slot.fill(settings::kNoKey);
        profile.captionFragment = "メモ帳";
    }

    void setKeys(int slot, std::string first, std::string second, std::string third)
    {
        profile.keys.at(slot) = {std::move(first), std::move(second), std::move(third)};
    }

    void dispatchSlot(int16_t slot)
    {
        dispatch.CurrentSlot = slot;
        dispatch.DispatchFirstKey();
        dispatch.DispatchSecondKey();
        dispatch.DispatchThirdKey();
        keys.ReleaseModifiers();
    }

    // The log without the event-loop passes, for shorter expectations.
    EventLog events() const
    {
        EventLog out;
        for (const auto& e : log) {
            if (e != "pump")
                out.push_back(e);
        }
        return out;
    }
};

} // namespace rukcon::test
