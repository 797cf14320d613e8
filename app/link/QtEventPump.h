#pragma once

#include "app/seams/EventPump.h"

namespace pelmar {

// The real pump: the application's event queue, a thread sleep and the steady clock.
class QtEventPump : public EventPump {
public:
    void processEvents() override;
    void sleepMs(int ms) override;
    void waitForEvents(int maxMs) override;
    std::int64_t nowMs() override;
};

}  // namespace pelmar
