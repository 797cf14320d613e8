#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "app/seams/Socket.h"
#include "tests/support/FakePump.h"

namespace pelmar::fakes {

// A socket whose peer is a script: bytes arrive at given virtual times, connection attempts
// succeed or hang as the test says, and everything sent is recorded piece by piece.
class FakeSocket : public Socket {
public:
    explicit FakeSocket(FakePump& pump) : pump_(pump) {}

    // The peer sends bytes at a virtual time (default: now).
    void arrive(const QByteArray& bytes) { arriveAt(pump_.nowMs(), bytes); }
    void arriveAt(std::int64_t timeMs, const QByteArray& bytes);
    // The peer closes the connection (the socket's state stops being connected).
    void dropAt(std::int64_t timeMs) { dropTime_ = timeMs; }
    // A DM that sends each of these only once Pelmar has answered "0," (anything sent earlier
    // would be discarded by that reply): the next one arrives with each "0,".
    std::deque<QByteArray> afterOk;
    // Called with each piece Pelmar sends, after it is recorded (a DM that answers every line).
    std::function<void(const QByteArray&)> onSend;

    // How connection attempts end: after connectDelayMs connected, or never.
    bool acceptConnections = true;
    std::int64_t connectDelayMs = 5;

    void close() override;
    void setRemoteHost(const QString& address) override { remoteHost = address; }
    void setRemotePort(int port) override { remotePort = port; }
    void setLocalPort(int port) override { localPort = port; }
    void connect() override;
    int state() override;

    qint64 bytesWaiting() override;
    char readByte() override;
    QByteArray read(qint64 maxBytes) override;
    QByteArray readAll() override;

    void sendText(const QString& text) override;
    void sendBytes(QByteArrayView bytes) override;

    // Everything sent, in order, and the separate sends.
    QByteArray sent;
    QList<QByteArray> sends;
    QString remoteHost;
    int remotePort = -1;
    int localPort = -1;
    int connectCount = 0;
    int closeCount = 0;
    qint64 discarded = 0;  // bytes thrown away by readAll

private:
    void deliverDue();

    FakePump& pump_;
    std::deque<std::pair<std::int64_t, QByteArray>> pending_;
    QByteArray waiting_;
    std::int64_t connectedAt_ = -1;
    bool connecting_ = false;
    std::int64_t dropTime_ = -1;
};

}  // namespace pelmar::fakes
