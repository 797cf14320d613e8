#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <stdexcept>

namespace pelmar {

// A send on a connection that is gone (the DM closed it, or the network dropped it). It is a lost
// link, never an unexpected error: the handler ends and the loop notices the closed socket.
class ConnectionLost : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The TCP client socket as the link needs it, and nothing more. Errors of close, connect and the
// senders are thrown (std::runtime_error) to the caller; a send without a connection throws
// ConnectionLost.
class Socket {
public:
    // The socket control's state values the program distinguishes.
    static constexpr int kConnecting = 6;
    static constexpr int kConnected = 7;

    virtual ~Socket() = default;

    virtual void close() = 0;
    virtual void setRemoteHost(const QString& address) = 0;
    virtual void setRemotePort(int port) = 0;
    virtual void setLocalPort(int port) = 0;
    // Starts an asynchronous connection attempt to the remote host and port.
    virtual void connect() = 0;
    virtual int state() = 0;

    virtual qint64 bytesWaiting() = 0;
    virtual char readByte() = 0;
    virtual QByteArray read(qint64 maxBytes) = 0;
    virtual QByteArray readAll() = 0;

    // Text leaves as code page 932 bytes.
    virtual void sendText(const QString& text) = 0;
    virtual void sendBytes(QByteArrayView bytes) = 0;
};

}  // namespace pelmar
