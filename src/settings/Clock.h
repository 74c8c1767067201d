#pragma once

namespace rukcon::settings {

// A local date and time, as the history file names show it.
struct LocalTime {
    int year = 0;
    int month = 0; // 1 … 12
    int day = 0;   // 1 … 31
    int hour = 0;  // 0 … 23
    int minute = 0;
    int second = 0;
};

// Read for the history file names; injectable so tests can name the moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

class SystemClock : public Clock {
public:
    LocalTime now() const override;
};

} // namespace rukcon::settings
