#pragma once

#include "settings/Clock.h"

#include <vector>

namespace rukcon::test {

// Answers the given moments one per reading; the last one repeats.
class FakeClock : public settings::Clock {
public:
    explicit FakeClock(std::vector<settings::LocalTime> moments) : m_moments(std::move(moments)) {}

    settings::LocalTime now() const override
    {
        const settings::LocalTime t = m_moments[m_next < m_moments.size() ? m_next : m_moments.size() - 1];
        ++m_next;
        return t;
    }

    void set(std::vector<settings::LocalTime> moments)
    {
        m_moments = std::move(moments);
        m_next = 0;
    }

private:
    std::vector<settings::LocalTime> m_moments;
    mutable size_t m_next = 0;
};

} // namespace rukcon::test
