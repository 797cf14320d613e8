#pragma once

#include <cstdint>

namespace pelmar {

// What every wait of the program does: keep the windows alive, sleep, and read a monotonic
// millisecond clock. Tests replace it with a virtual clock.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
    virtual void sleepMs(int ms) = 0;
    virtual std::int64_t nowMs() = 0;
};

}  // namespace pelmar
