#pragma once

#include <QTcpSocket>

#include "app/seams/Socket.h"

namespace pelmar {

// The real socket: QTcpSocket. Every send is flushed at once, since QTcpSocket would otherwise
// keep it queued until the next event processing.
class TcpSocket : public Socket {
public:
    TcpSocket();

    void close() override;
    void setRemoteHost(const QString& address) override { host_ = address; }
    void setRemotePort(int port) override { port_ = port; }
    void setLocalPort(int port) override { localPort_ = port; }
    void connect() override;
    int state() override;

    qint64 bytesWaiting() override { return socket_.bytesAvailable(); }
    char readByte() override;
    QByteArray read(qint64 maxBytes) override { return socket_.read(maxBytes); }
    QByteArray readAll() override { return socket_.readAll(); }

    void sendText(const QString& text) override;
    void sendBytes(QByteArrayView bytes) override;

private:
    QTcpSocket socket_;
    QString host_;
    int port_ = 0;
    int localPort_ = 0;
    bool failed_ = false;  // the last attempt ended in an error
};

}  // namespace pelmar
