#include "app/link/TcpSocket.h"

#include <QHostAddress>
#include <stdexcept>

#include "app/platform/CodePage932.h"

namespace pelmar {
namespace {

// The socket control's state values for the states the program distinguishes and reports.
constexpr int kClosed = 0;
constexpr int kClosing = 8;
constexpr int kError = 9;

}  // namespace

TcpSocket::TcpSocket() {
    QObject::connect(&socket_, &QAbstractSocket::errorOccurred, [this] { failed_ = true; });
}

void TcpSocket::close() {
    socket_.abort();
    failed_ = false;
}

void TcpSocket::connect() {
    socket_.abort();
    failed_ = false;
    // A port outside the TCP range cannot be reached: the attempt fails like a refused one, and
    // the loop's connection time-out takes over.
    if (port_ < 0 || port_ > 65535) {
        failed_ = true;
        return;
    }
    if (localPort_ != 0) socket_.bind(QHostAddress::AnyIPv4, static_cast<quint16>(localPort_));
    socket_.connectToHost(host_, static_cast<quint16>(port_));
}

int TcpSocket::state() {
    switch (socket_.state()) {
        case QAbstractSocket::ConnectedState:
            return kConnected;
        case QAbstractSocket::HostLookupState:
        case QAbstractSocket::ConnectingState:
            return kConnecting;
        case QAbstractSocket::ClosingState:
            return kClosing;
        default:
            return failed_ ? kError : kClosed;
    }
}

char TcpSocket::readByte() {
    char c = 0;
    socket_.getChar(&c);
    return c;
}

void TcpSocket::sendText(const QString& text) {
    sendBytes(platform::toCp932(text));
}

void TcpSocket::sendBytes(QByteArrayView bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        throw ConnectionLost("送信できません（接続がありません）");
    }
    if (socket_.write(bytes.data(), bytes.size()) != bytes.size()) {
        const std::string reason = "送信できません: " + socket_.errorString().toStdString();
        if (socket_.state() != QAbstractSocket::ConnectedState) throw ConnectionLost(reason);
        throw std::runtime_error(reason);
    }
    socket_.flush();
}

}  // namespace pelmar
