#include "app/link/Transport.h"

#include <algorithm>
#include <array>
#include <climits>
#include <exception>

#include "app/text/Numbers.h"

namespace pelmar {
namespace {

constexpr char kCr = 13;

// Socket errors while receiving never reach the caller: a broken link shows as silence.
qint64 waitingBytes(Socket& socket) {
    try {
        return socket.bytesWaiting();
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

void Transport::LANconnect(const QString& address, const QString& portText) {
    socket_.close();
    socket_.setRemoteHost(address);
    socket_.setRemotePort(text::leadingInt32(portText));
    socket_.setLocalPort(0);
    socket_.connect();
}

void Transport::LANclose() {
    socket_.close();
}

void Transport::waitForInput(int maxMs) {
    if (waitingBytes(socket_) > 0) {
        pump_.processEvents();
    } else {
        pump_.waitForEvents(maxMs);
    }
}

// One idle step of a receive, taken when nothing is waiting. Returns true when the receive is
// over (complete, or failed once the time limit has passed); otherwise it has waited for the
// DM's next bytes, at most until the time limit, with the windows running meanwhile.
bool Transport::idleStep(int minLen, qint64 count, std::int64_t start, int timeoutMs,
                         bool& failed) {
    if (minLen <= 0 || count >= minLen) {
        pump_.processEvents();
        return true;
    }
    if (timeoutMs <= 0) {
        pump_.waitForEvents(EventPump::kNoLimit);
        return false;
    }
    const std::int64_t elapsed = pump_.nowMs() - start;
    if (elapsed > timeoutMs) {
        failed = true;
        return true;
    }
    // The receive fails once more than timeoutMs have passed: one millisecond past the limit.
    const std::int64_t left = std::int64_t{timeoutMs} + 1 - elapsed;
    pump_.waitForEvents(static_cast<int>(std::min<std::int64_t>(left, INT_MAX)));
    return false;
}

std::optional<QString> Transport::ReceiveLine(int minLen, int timeoutMs) {
    // A line longer than the buffer is outside the protocol: its first kLineCapacity bytes are
    // kept and the rest is read and dropped up to its terminator, so the next line starts where
    // the DM meant it to.
    std::array<char, kLineCapacity> buffer;
    int count = 0;
    const std::int64_t start = timeoutMs > 0 ? pump_.nowMs() : 0;
    bool failed = false;
    for (;;) {
        if (waitingBytes(socket_) > 0) {
            char byte = 0;
            try {
                byte = socket_.readByte();
            } catch (const std::exception&) {
                continue;
            }
            if (count < kLineCapacity) buffer[static_cast<std::size_t>(count++)] = byte;
            if (byte == kCr) break;
            continue;
        }
        if (idleStep(minLen, count, start, timeoutMs, failed)) break;
    }
    if (failed) return std::nullopt;
    QString kept;
    kept.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto b = static_cast<unsigned char>(buffer[static_cast<std::size_t>(i)]);
        if (b >= 32 && b <= 126) kept.append(QChar(b));
    }
    return kept;
}

std::optional<int> Transport::ReceiveBlock(int minLen, std::span<std::uint8_t> block,
                                           int timeoutMs) {
    qint64 received = 0;
    const auto capacity = static_cast<qint64>(block.size());
    const std::int64_t start = timeoutMs > 0 ? pump_.nowMs() : 0;
    bool failed = false;
    while (received < capacity) {
        const qint64 waiting = waitingBytes(socket_);
        if (waiting > 0) {
            QByteArray bytes;
            try {
                bytes = socket_.read(std::min(waiting, capacity - received));
            } catch (const std::exception&) {
                continue;
            }
            std::copy(bytes.cbegin(), bytes.cend(), block.begin() + received);
            received += bytes.size();
            continue;
        }
        if (idleStep(minLen, received, start, timeoutMs, failed)) break;
    }
    if (failed) return std::nullopt;
    return static_cast<int>(received);
}

void Transport::SendText(const QString& text, int keepInput) {
    if (keepInput == 0) socket_.readAll();
    socket_.sendText(text);
    pump_.processEvents();
}

void Transport::SendBytes(QByteArrayView bytes, int keepInput) {
    if (keepInput == 0) socket_.readAll();
    if (bytes.size() <= kSingleSendLimit) {
        socket_.sendBytes(bytes);
        return;
    }
    // Large blocks go in paced pieces so the DM's receive buffer is never flooded.
    for (qsizetype at = 0; at < bytes.size(); at += kPieceSize) {
        socket_.sendBytes(bytes.sliced(at, std::min(kPieceSize, bytes.size() - at)));
        pump_.processEvents();
        pump_.sleepMs(kPiecePauseMs);
        pump_.processEvents();
    }
}

}  // namespace pelmar
