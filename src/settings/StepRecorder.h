#pragma once

namespace rukcon::settings {

// The loaders run their steps one after another whatever happens, skipping a step that
// fails, and look at fixed points whether anything failed since the last restart. Each step
// reports through note(); restart() forgets what went before.
class StepRecorder {
public:
    // Returns ok, so a step can be both recorded and branched on.
    bool note(bool ok)
    {
        if (!ok)
            m_failed = true;
        return ok;
    }
    void restart() { m_failed = false; }
    bool anyFailed() const { return m_failed; }

private:
    bool m_failed = false;
};

} // namespace rukcon::settings
