#include "app/link/QtEventPump.h"

#include <QCoreApplication>
#include <QTimer>
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

// The event loop blocks on the window system and the socket together, so one blocking
// processEvents wakes for whichever comes first; a single-shot timer bounds it. Anything
// processed (a click, the socket's bytes, the timer) ends the wait, and the caller looks again.
void QtEventPump::waitForEvents(int maxMs) {
    if (maxMs == 0) {
        processEvents();
        return;
    }
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    if (maxMs > 0) limit.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::int64_t QtEventPump::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace pelmar
