#pragma once

#include "sound/SoundEffects.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rukcon::test {

// Plays nothing and appends each sound to a log by role: "click", "alert", "beep". The log is its
// own, or one shared with other fakes so a test sees the sounds in order with everything else.
class RecordingSound : public sound::SoundEffects {
public:
    RecordingSound() : m_log(&m_own) {}
    explicit RecordingSound(std::vector<std::string>& log) : m_log(&log) {}
    RecordingSound(const RecordingSound&) = delete;
    RecordingSound& operator=(const RecordingSound&) = delete;

    void playClick() override { m_log->push_back("click"); }
    void playAlert() override { m_log->push_back("alert"); }
    void systemBeep() override { m_log->push_back("beep"); }

    // How often the sound of that role was made, e.g. count("alert").
    int count(const std::string& role) const { return int(std::count(m_log->begin(), m_log->end(), role)); }

private:
    std::vector<std::string> m_own;
    std::vector<std::string>* m_log;
};

} // namespace rukcon::test
