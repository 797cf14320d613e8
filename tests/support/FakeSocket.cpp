#include "tests/support/FakeSocket.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/platform/CodePage932.h"

namespace pelmar::fakes {

void FakeSocket::arriveAt(std::int64_t timeMs, const QByteArray& bytes) {
    auto at = std::upper_bound(pending_.begin(), pending_.end(), timeMs,
                               [](std::int64_t t, const auto& p) { return t < p.first; });
    pending_.insert(at, {timeMs, bytes});
    pump_.wakeAt(timeMs);
}

void FakeSocket::deliverDue() {
    while (!pending_.empty() && pending_.front().first <= pump_.nowMs()) {
        waiting_ += pending_.front().second;
        pending_.pop_front();
    }
}

void FakeSocket::close() {
    ++closeCount;
    connecting_ = false;
    connectedAt_ = -1;
    waiting_.clear();
}

void FakeSocket::connect() {
    ++connectCount;
    connecting_ = true;
    dropTime_ = -1;
    connectedAt_ = acceptConnections ? pump_.nowMs() + connectDelayMs : -1;
}

int FakeSocket::state() {
    if (dropTime_ >= 0 && pump_.nowMs() >= dropTime_) return 0;
    if (connectedAt_ >= 0 && pump_.nowMs() >= connectedAt_) return kConnected;
    return connecting_ ? kConnecting : 0;
}

qint64 FakeSocket::bytesWaiting() {
    deliverDue();
    return waiting_.size();
}

char FakeSocket::readByte() {
    deliverDue();
    if (waiting_.isEmpty()) throw std::runtime_error("read with nothing waiting");
    const char c = waiting_.front();
    waiting_.remove(0, 1);
    return c;
}

QByteArray FakeSocket::read(qint64 maxBytes) {
    deliverDue();
    QByteArray out = waiting_.left(maxBytes);
    waiting_.remove(0, out.size());
    return out;
}

QByteArray FakeSocket::readAll() {
    deliverDue();
    discarded += waiting_.size();
    return std::exchange(waiting_, QByteArray());
}

void FakeSocket::sendText(const QString& text) {
    sendBytes(platform::toCp932(text));
    if (text == QStringLiteral("0,\r") && !afterOk.empty()) {
        arrive(afterOk.front());
        afterOk.pop_front();
    }
}

void FakeSocket::sendBytes(QByteArrayView bytes) {
    if (state() != kConnected) throw ConnectionLost("send on a socket that is not connected");
    sends.append(bytes.toByteArray());
    sent += bytes.toByteArray();
    if (onSend) onSend(sends.last());
}

}  // namespace pelmar::fakes
