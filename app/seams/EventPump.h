#pragma once

#include <cstdint>

namespace pelmar {

// What every wait of the program does: keep the windows alive, sleep, and read a monotonic
// millisecond clock. Tests replace it with a virtual clock.
class EventPump {
public:
    // waitForEvents without a time limit.
    static constexpr int kNoLimit = -1;

    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
    virtual void sleepMs(int ms) = 0;
    // Processes pending events; when none is pending, first waits up to maxMs (kNoLimit: for
    // ever) for the next one. Bytes arriving on the socket are such an event, so a receive
    // wakes as soon as the DM sends something, and a click as soon as it is made.
    virtual void waitForEvents(int maxMs) = 0;
    virtual std::int64_t nowMs() = 0;
};

}  // namespace pelmar
