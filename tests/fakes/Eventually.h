#pragma once

#include <chrono>
#include <thread>

namespace rukcon::test {

// Waits a bounded time for a condition that depends on other processes, running `meanwhile`
// between the tries (where their answers come through an event loop, say).
template <typename Done, typename Meanwhile> bool eventually(Done done, Meanwhile meanwhile)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        meanwhile();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

template <typename Done> bool eventually(Done done)
{
    return eventually(done, [] {});
}

} // namespace rukcon::test
