#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "app/seams/EventPump.h"

namespace pelmar::fakes {

// An event pump on a virtual clock: sleeping advances time at once, and processEvents runs the
// actions a test has scheduled for the time reached (as the window would run a click). A wait
// for events jumps to the next scheduled action or wake-up (the fake socket's arrivals), or to
// the end of its time limit, whichever comes first.
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
    void waitForEvents(int maxMs) override {
        if (maxMs < 0 && actions_.empty()) {
            throw std::logic_error("a wait without a time limit, and nothing will ever happen");
        }
        std::int64_t until = maxMs < 0 ? actions_.begin()->first : now_ + maxMs;
        if (!actions_.empty()) until = std::min(until, actions_.begin()->first);
        now_ = std::max(now_, until);
        processEvents();
    }
    std::int64_t nowMs() override { return now_; }

    void at(std::int64_t timeMs, std::function<void()> action) {
        actions_.emplace(timeMs, std::move(action));
    }
    // Something the program waits for happens then (bytes arrive): a wait ends there.
    void wakeAt(std::int64_t timeMs) {
        at(timeMs, [] {});
    }
    void advance(std::int64_t ms) { now_ += ms; }

    long eventRounds = 0;
    std::int64_t slept = 0;

private:
    std::int64_t now_ = 1'000'000;
    std::multimap<std::int64_t, std::function<void()>> actions_;
};

}  // namespace pelmar::fakes
