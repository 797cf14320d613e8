#include "app/link/QtEventPump.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace pelmar {

// Plain processEvents: menus, buttons and dialogs must run nested inside every wait.
void QtEventPump::processEvents() {
    QCoreApplication::processEvents();
}

void QtEventPump::sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int64_t QtEventPump::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace pelmar
