#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <memory>
#include <stdexcept>

namespace dmsim {

// The connection to Pelmar went away while the DM still had something to say.
class Lost : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How a read ended: it got what it waited for, the time ran out, or Pelmar closed the link.
enum class ReadEnd { Done, TimedOut, Closed };

struct Read {
    QByteArray bytes;
    ReadEnd end = ReadEnd::Done;
};

// The DM's end of the wire: a server on 127.0.0.1 holding at most one connection from Pelmar.
// Every wait is blocking with a time limit, so a script reads top to bottom like the exchange
// it plays. Bytes that arrive beyond what a read asked for wait for the next read.
class Peer {
public:
    Peer();
    ~Peer();
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    // Listens on 127.0.0.1 only; port 0 picks a free one. Returns the port, throws on failure.
    quint16 listen(quint16 port);

    // Waits for Pelmar's next connection; a connection still held is dropped first. A negative
    // limit waits for ever. Returns false when the time ran out.
    bool accept(int limitMs);
    bool isConnected() const;
    QString remote() const;
    void drop();

    // Throws Lost when there is no connection to send on.
    void send(const QByteArray& bytes);

    Read readLine(int limitMs);                    // through the first CR
    Read readBytes(qsizetype count, int limitMs);  // exactly count bytes
    Read readAny(int limitMs);                     // whatever arrives first
    void discardInput();

private:
    using Clock = std::chrono::steady_clock;
    ReadEnd fill(Clock::time_point deadline);

    QTcpServer server_;
    std::unique_ptr<QTcpSocket> socket_;
    QByteArray pending_;
};

}  // namespace dmsim
