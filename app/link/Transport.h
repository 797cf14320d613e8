#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

#include "app/seams/EventPump.h"
#include "app/seams/Socket.h"

namespace pelmar {

// The DM link's primitives over one socket. Every wait processes window events, so the windows
// stay alive during a receive or a send, and a receive wakes as soon as the DM's bytes arrive.
class Transport {
public:
    // Most a received line can hold, its terminator included.
    static constexpr int kLineCapacity = 8192;
    // SendBytes sends up to this many bytes at once, larger arrays in paced pieces.
    static constexpr qsizetype kSingleSendLimit = 76800;
    static constexpr qsizetype kPieceSize = 1460;
    static constexpr int kPiecePauseMs = 10;

    Transport(Socket& socket, EventPump& pump) : socket_(socket), pump_(pump) {}

    Socket& socket() { return socket_; }
    EventPump& pump() { return pump_; }

    // Closes the socket and starts an attempt to the address and the port text's leading number
    // (local port 0). Does not wait. Socket errors are thrown.
    void LANconnect(const QString& address, const QString& portText);
    void LANclose();

    // Receives a line, ended by CR (or, without one, complete once minLen bytes have come and no
    // more are waiting); answers the characters kept (bytes 32..126 only), or nothing when
    // timeoutMs (if above 0) passed first.
    std::optional<QString> ReceiveLine(int minLen, int timeoutMs);

    // Receives up to block.size() bytes into block; answers the count stored, or nothing when
    // timeoutMs (if above 0) passed first.
    std::optional<int> ReceiveBlock(int minLen, std::span<std::uint8_t> block, int timeoutMs);

    // keepInput 0 discards whatever the DM sent and was not read yet, before sending.
    void SendText(const QString& text, int keepInput);
    void SendBytes(QByteArrayView bytes, int keepInput);

    // Lets the windows run for up to maxMs, ending early when the DM sends something; bytes
    // already waiting end it at once.
    void waitForInput(int maxMs);

private:
    bool idleStep(int minLen, qint64 count, std::int64_t start, int timeoutMs, bool& failed);

    Socket& socket_;
    EventPump& pump_;
};

}  // namespace pelmar
