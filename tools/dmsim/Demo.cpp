#include "tools/dmsim/Demo.h"

#include <QLocale>
#include <QStringList>
#include <array>
#include <chrono>
#include <cmath>
#include <functional>

#include "tools/dmsim/Session.h"

namespace dmsim {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr auto kFirstShot = 1500ms;
constexpr auto kShotEvery = 6s;
constexpr auto kKeepAliveEvery = 3s;
constexpr int kReplyLimitMs = 3000;
constexpr int kInspectorLimitMs = 60000;  // the settings requests wait for a person

QByteArray imageName(int shot) {
    return "A" + QByteArray::number((shot - 1) % 999 + 1).rightJustified(3, '0');
}

// A reply that does not come only costs this exchange; a lost link ends the connection.
void attempt(Session& session, const char* what, const std::function<void()>& exchange) {
    session.peer().discardInput();
    try {
        exchange();
    } catch (const Unmet& unmet) {
        if (!session.peer().isConnected()) throw Lost(unmet.what());
        session.transcript().note(
            QString("%1 not answered as expected, going on: %2").arg(what, unmet.what()));
    }
}

void measure(Session& session, int shot) {
    const QByteArray name = imageName(shot);
    const int type = shot % 4 == 0 ? 3 : 1;
    attempt(session, "BMPW",
            [&] { session.bmpw(type, kWidth, kHeight, name, static_cast<std::uint32_t>(shot)); });
    attempt(session, "DATW",
            [&] { session.datw(name, demoDataLine(shot, QDateTime::currentDateTime())); });
    attempt(session, "XYDT", [&] { session.xydt(demoPoints(shot)); });
}

// The DM hands its setting data for the lens over (SETW), or asks for setting data (SETR); the
// inspector allows it or not, so each reply may take a while.
void exchangeSettings(Session& session, int shot) {
    session.setReplyLimit(kInspectorLimitMs);
    if (shot == 1) {
        attempt(session, "SETW", [&] {
            session.setw("PL-35F2,4,3,10,1,0,1,1,0,128,", "SATO,SUZUKI,TAKAHASHI,,,,,,,,");
        });
    } else if (shot == 2) {
        attempt(session, "SETR", [&] {
            const SetrResult result = session.setr();
            if (result.end != SetrEnd::Sent) return;
            session.transcript().note("  record: " + Transcript::readable(result.record));
            session.transcript().note("  workers: " + Transcript::readable(result.workers));
        });
    }
    session.setReplyLimit(kReplyLimitMs);
}

// Serves one connection until Pelmar goes away (Lost).
void serve(Session& session, int& shot, bool withSettings) {
    session.sendLine("OPEN");
    auto nextShot = Clock::now() + kFirstShot;
    auto nextKeepAlive = Clock::now() + kKeepAliveEvery;
    for (;;) {
        const auto due = std::min(nextShot, nextKeepAlive);
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
        if (wait.count() > 0) {
            const Read read = session.peer().readAny(static_cast<int>(wait.count()));
            if (read.end == ReadEnd::Closed) throw Lost("closed");
            if (!read.bytes.isEmpty())
                session.transcript().note("< (unasked) " + Transcript::readable(read.bytes));
            continue;
        }
        if (nextShot <= nextKeepAlive) {
            measure(session, ++shot);
            if (withSettings) exchangeSettings(session, shot);
            nextShot = Clock::now() + kShotEvery;
        } else {
            attempt(session, "NONE", [&] { session.none(); });
        }
        nextKeepAlive = Clock::now() + kKeepAliveEvery;
    }
}

}  // namespace

void runDemo(Peer& peer, Transcript& transcript, bool withSettings) {
    Session session(peer, transcript);
    session.setReplyLimit(kReplyLimitMs);
    int shot = 0;
    for (;;) {
        transcript.note("waiting for Pelmar");
        if (!peer.accept(-1)) continue;
        transcript.note("connected from " + peer.remote());
        try {
            serve(session, shot, withSettings);
        } catch (const Lost& lost) {
            transcript.note(
                QString("Pelmar went away (%1); waiting for it to connect again").arg(lost.what()));
        }
    }
}

QByteArray demoDataLine(int shot, const QDateTime& when) {
    static constexpr std::array kModes{"V", "A", "XC0012TE", "XC0012TI"};
    static constexpr std::array kLenses{"PL-35F2", "PL-50F1.8", "MZ-70A"};
    static constexpr std::array kWorkers{"YAMADA", "SATO", "SUZUKI"};
    const auto pick = [shot](const auto& list) { return list[std::size_t(shot) % list.size()]; };

    // A decentre that drifts around the tolerance, so the table shows now and then an NG.
    const double tolerance = 0.0200;
    const double result = 0.0120 + 0.0100 * std::sin(shot * 1.7);
    const double dx = result * std::cos(shot * 0.9), dy = result * std::sin(shot * 0.9);

    const QLocale c = QLocale::c();
    const QStringList fields{
        c.toString(when, "MM/dd/yyyy ddd. HH:mm:ss"),
        pick(kModes),
        QString::number(result, 'f', 4),
        result <= tolerance ? "OK" : "NG",
        QString::number(tolerance, 'f', 4),
        "0.0010",
        pick(kLenses),
        "SN" + QString::number(shot).rightJustified(5, '0'),
        "DM-7200",
        pick(kWorkers),
        "EC-500",
        QString::asprintf("%+.4f", dx),
        QString::asprintf("%+.4f", dy),
    };
    return fields.join(',').toLatin1();
}

QList<QByteArray> demoPoints(int shot) {
    QList<QByteArray> points;
    constexpr int kCount = 6;
    for (int k = 0; k < kCount; ++k) {
        const double angle = k * 2 * M_PI / kCount + shot * 0.05;
        const double x = kWidth / 2.0 + 120 * std::cos(angle) + 0.3 * std::sin(shot + k);
        const double y = kHeight / 2.0 + 120 * std::sin(angle) + 0.3 * std::cos(shot - k);
        points.append(QByteArray::number(x, 'f', 1) + "," + QByteArray::number(y, 'f', 1));
    }
    return points;
}

}  // namespace dmsim
