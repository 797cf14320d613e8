#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

// Pelmar's end of the wire as the simulator's tests need it: a plain loopback client that reads
// exactly what the DM sends and answers by hand, so each test sees the bytes as they travel.
class PelmarStandIn {
public:
    PelmarStandIn() = default;
    ~PelmarStandIn();
    PelmarStandIn(const PelmarStandIn&) = delete;
    PelmarStandIn& operator=(const PelmarStandIn&) = delete;

    bool connectTo(std::uint16_t port);
    // Through the first CR; empty when nothing complete came within the limit.
    QByteArray readLine(int limitMs = 5000);
    QByteArray readBytes(qsizetype count, int limitMs = 5000);
    // Whatever arrives within the time; empty when the DM stayed quiet.
    QByteArray readFor(int ms);
    void send(const QByteArray& bytes);
    void close();
    // Connects again to the port of the last connectTo.
    bool reconnect();
    // The DM closed the connection (seen by a read).
    bool atEnd() const { return atEnd_; }

private:
    bool fill(int limitMs);

    int fd_ = -1;
    std::uint16_t port_ = 0;
    bool atEnd_ = false;
    QByteArray pending_;
};

struct ScriptRun {
    int result = -1;     // what runScript returned
    QString transcript;  // everything it wrote
};

// Parses and runs `script` on a simulator listening on 127.0.0.1, while `pelmar` plays Pelmar's
// side on a stand-in that is already connected when it is called.
ScriptRun playScript(const QByteArray& script, const std::function<void(PelmarStandIn&)>& pelmar);
