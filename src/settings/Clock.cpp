#include "settings/Clock.h"

#include <ctime>

namespace rukcon::settings {

LocalTime SystemClock::now() const
{
    const std::time_t t = std::time(nullptr);
    std::tm parts{};
    localtime_r(&t, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

} // namespace rukcon::settings
