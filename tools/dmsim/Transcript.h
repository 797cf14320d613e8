#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdio>

namespace dmsim {

// The running record of a session: every line is stamped with the seconds since the simulator
// started, so a transcript shows how long the peer took for each reply.
class Transcript {
public:
    explicit Transcript(std::FILE* out = stdout);

    // A muted transcript drops its notes; timing runs mute the exchanges they repeat.
    void setMuted(bool muted) { muted_ = muted; }

    void note(const QString& text);
    void sent(const QByteArray& bytes);
    void received(const QByteArray& bytes);

    // Bytes as a reader wants to see them: printable ASCII as it is, CR as <CR>, anything else
    // as <xHH>; long runs are cut after 80 bytes with the total length.
    static QString readable(const QByteArray& bytes);

private:
    std::FILE* out_;
    std::chrono::steady_clock::time_point start_;
    bool muted_ = false;
};

}  // namespace dmsim
