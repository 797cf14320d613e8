#pragma once

#include <functional>
#include <map>

#include "app/link/EventPump.h"

namespace pelmar::fakes {

// An event pump on a virtual clock: sleeping advances time at once, and processEvents runs the
// actions a test has scheduled for the time reached (as the window would run a click).
class FakePump : public EventPump {
public:
    void processEvents() override {
        ++eventRounds;
        while (!actions_.empty() && actions_.begin()->first <= now_) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action();
        }
    }
    void sleepMs(int ms) override {
        now_ += ms;
        slept += ms;
    }
    std::int64_t nowMs() override { return now_; }

    void at(std::int64_t timeMs, std::function<void()> action) {
        actions_.emplace(timeMs, std::move(action));
    }
    void advance(std::int64_t ms) { now_ += ms; }

    long eventRounds = 0;
    std::int64_t slept = 0;

private:
    std::int64_t now_ = 1'000'000;
    std::multimap<std::int64_t, std::function<void()>> actions_;
};

}  // namespace pelmar::fakes
