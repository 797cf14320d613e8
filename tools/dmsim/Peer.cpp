#include "tools/dmsim/Peer.h"

#include <QHostAddress>

namespace dmsim {

namespace {

int msUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

}  // namespace

Peer::Peer() = default;

Peer::~Peer() {
    drop();
}

quint16 Peer::listen(quint16 port) {
    if (!server_.listen(QHostAddress::LocalHost, port))
        throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port) + ": " +
                                 server_.errorString().toStdString());
    return server_.serverPort();
}

bool Peer::accept(int limitMs) {
    drop();
    bool timedOut = false;
    if (!server_.hasPendingConnections() && !server_.waitForNewConnection(limitMs, &timedOut))
        return false;
    socket_.reset(server_.nextPendingConnection());
    if (!socket_) return false;
    socket_->setParent(nullptr);
    // Each piece the DM sends must leave at once: Pelmar reads a line as soon as it stops growing.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

bool Peer::isConnected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

QString Peer::remote() const {
    if (!socket_) return {};
    return socket_->peerAddress().toString() + ":" + QString::number(socket_->peerPort());
}

void Peer::drop() {
    pending_.clear();
    if (!socket_) return;
    socket_->abort();
    socket_.reset();
}

void Peer::send(const QByteArray& bytes) {
    if (!isConnected()) throw Lost("Pelmar is not connected");
    if (socket_->write(bytes) != bytes.size())
        throw Lost("send failed: " + socket_->errorString().toStdString());
    while (socket_->bytesToWrite() > 0) {
        if (!socket_->waitForBytesWritten(10000))
            throw Lost("send failed: " + socket_->errorString().toStdString());
    }
}

ReadEnd Peer::fill(Clock::time_point deadline) {
    if (!socket_) return ReadEnd::Closed;
    for (;;) {
        if (socket_->bytesAvailable() > 0) {
            pending_ += socket_->readAll();
            return ReadEnd::Done;
        }
        if (socket_->state() != QAbstractSocket::ConnectedState) return ReadEnd::Closed;
        const int left = msUntil(deadline);
        if (left == 0) return ReadEnd::TimedOut;
        socket_->waitForReadyRead(left);
    }
}

Read Peer::readLine(int limitMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        const qsizetype cr = pending_.indexOf('\r');
        if (cr >= 0) {
            Read line{pending_.left(cr + 1), ReadEnd::Done};
            pending_.remove(0, cr + 1);
            return line;
        }
        const ReadEnd end = fill(deadline);
        if (end != ReadEnd::Done) return {std::exchange(pending_, {}), end};
    }
}

Read Peer::readBytes(qsizetype count, int limitMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    while (pending_.size() < count) {
        const ReadEnd end = fill(deadline);
        if (end != ReadEnd::Done) return {std::exchange(pending_, {}), end};
    }
    Read block{pending_.left(count), ReadEnd::Done};
    pending_.remove(0, count);
    return block;
}

Read Peer::readAny(int limitMs) {
    if (pending_.isEmpty()) {
        const ReadEnd end = fill(Clock::now() + std::chrono::milliseconds(limitMs));
        if (end != ReadEnd::Done) return {{}, end};
    }
    return {std::exchange(pending_, {}), ReadEnd::Done};
}

void Peer::discardInput() {
    pending_.clear();
    if (!socket_) return;
    // Without an event loop the socket only takes bytes from the system while it waits.
    while (socket_->waitForReadyRead(0)) socket_->readAll();
    socket_->readAll();
}

}  // namespace dmsim
