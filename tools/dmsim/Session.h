#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "tools/dmsim/Peer.h"
#include "tools/dmsim/Transcript.h"

namespace dmsim {

// Pelmar did not answer as the DM expects: a wrong reply, no reply in time, bytes where
// silence was expected. what() says what was expected and what came instead.
class Unmet : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How Pelmar ended the DM's read request (SETR): refused at once (the inspector said No or
// cancelled the file dialog), cancelled in the send dialog, or the record sent.
enum class SetrEnd { Refused, Cancelled, Sent };

struct SetrResult {
    SetrEnd end = SetrEnd::Refused;
    QByteArray record;  // the record and worker lines as received, without their CR
    QByteArray workers;
};

// The DM's side of each exchange of the line protocol, on one Peer. Every piece after the
// first is sent only after the reply that precedes it, because Pelmar throws away whatever is
// waiting before it replies. Each step is written to the transcript; a step that is not met
// throws Unmet (or Lost when the connection is gone).
class Session {
public:
    Session(Peer& peer, Transcript& transcript);

    // The time each reply of the compound exchanges (none, bmpw, bmpr, datw, xydt) may take.
    void setReplyLimit(int ms) { replyLimitMs_ = ms; }

    void accept(int limitMs);
    void drop();
    void sendLine(const QByteArray& text);  // CR appended
    void sendRaw(const QByteArray& bytes, const QString& what = {});
    void expect(const QByteArray& reply, int limitMs);  // reply without its CR
    void expectSilence(int ms);
    void expectClosed(int limitMs);

    void none();
    void bmpw(int type, int width, int height, const QByteArray& name, std::uint32_t seed);
    // Returns the planes received, one after the other.
    QByteArray bmpr(int type, int width, int height);
    void datw(const QByteArray& name, const QByteArray& dataLine);
    void xydt(const QList<QByteArray>& points);
    // SETW, the record line and the worker line, "0," after each.
    void setw(const QByteArray& record, const QByteArray& workers);
    // SETR; after Pelmar's "0," the DM's answer, then whatever the send dialog sends, each line
    // answered "0,".
    SetrResult setr();

    Transcript& transcript() { return transcript_; }
    Peer& peer() { return peer_; }

private:
    void ok();
    // Pelmar's next line without its CR, within the reply time limit.
    QByteArray line(const char* what);
    // The planes of an image, made once for a run of exchanges of the same image, so that a
    // timing run does not time the making of it.
    const QList<QByteArray>& image(int type, int width, int height, std::uint32_t seed);

    struct MadeImage {
        int type, width, height;
        std::uint32_t seed;
        QList<QByteArray> planes;
    };

    Peer& peer_;
    Transcript& transcript_;
    int replyLimitMs_ = 10000;
    std::optional<MadeImage> lastImage_;
};

}  // namespace dmsim
