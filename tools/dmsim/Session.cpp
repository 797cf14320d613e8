#include "tools/dmsim/Session.h"

#include <algorithm>
#include <string>

#include "tools/dmsim/ImageMaker.h"

namespace dmsim {

namespace {

std::string show(const QByteArray& bytes) {
    return Transcript::readable(bytes).toStdString();
}

}  // namespace

Session::Session(Peer& peer, Transcript& transcript) : peer_(peer), transcript_(transcript) {}

void Session::accept(int limitMs) {
    if (!peer_.accept(limitMs))
        throw Unmet("no connection from Pelmar within " + std::to_string(limitMs) + " ms");
    transcript_.note("connected from " + peer_.remote());
}

void Session::drop() {
    peer_.drop();
    transcript_.note("connection dropped by the DM");
}

void Session::sendLine(const QByteArray& text) {
    sendRaw(text + '\r');
}

void Session::sendRaw(const QByteArray& bytes, const QString& what) {
    peer_.send(bytes);
    if (what.isEmpty())
        transcript_.sent(bytes);
    else
        transcript_.note(QString("> %1 bytes (%2)").arg(bytes.size()).arg(what));
}

void Session::expect(const QByteArray& reply, int limitMs) {
    const QByteArray wanted = reply + '\r';
    const Read read = peer_.readLine(limitMs);
    if (read.end == ReadEnd::Done && read.bytes == wanted) {
        transcript_.received(read.bytes);
        return;
    }
    std::string got;
    if (read.end == ReadEnd::Done)
        got = "got \"" + show(read.bytes) + "\"";
    else if (read.end == ReadEnd::Closed)
        got = "the connection closed";
    else
        got = "no reply";
    if (read.end != ReadEnd::Done && !read.bytes.isEmpty())
        got += " after \"" + show(read.bytes) + "\"";
    throw Unmet("expected \"" + show(wanted) + "\" within " + std::to_string(limitMs) + " ms, " +
                got);
}

void Session::expectSilence(int ms) {
    const Read read = peer_.readAny(ms);
    if (read.end == ReadEnd::TimedOut) {
        transcript_.note(QString("(silence for %1 ms)").arg(ms));
        return;
    }
    if (read.end == ReadEnd::Closed)
        throw Unmet("expected silence for " + std::to_string(ms) + " ms, the connection closed");
    throw Unmet("expected silence for " + std::to_string(ms) + " ms, got \"" + show(read.bytes) +
                "\"");
}

void Session::expectClosed(int limitMs) {
    const Read read = peer_.readAny(limitMs);
    if (read.end == ReadEnd::Closed) {
        transcript_.note("connection closed by Pelmar");
        peer_.drop();
        return;
    }
    if (read.end == ReadEnd::TimedOut)
        throw Unmet("expected Pelmar to close the connection within " + std::to_string(limitMs) +
                    " ms, it stayed open");
    throw Unmet("expected Pelmar to close the connection, got \"" + show(read.bytes) + "\"");
}

void Session::ok() {
    expect("0,", replyLimitMs_);
}

QByteArray Session::line(const char* what) {
    const Read read = peer_.readLine(replyLimitMs_);
    if (read.end == ReadEnd::Done) {
        transcript_.received(read.bytes);
        return read.bytes.chopped(1);
    }
    throw Unmet(std::string("expected ") + what + " within " + std::to_string(replyLimitMs_) +
                " ms, " + (read.end == ReadEnd::Closed ? "the connection closed" : "no line came"));
}

void Session::none() {
    sendLine("NONE");
    ok();
}

const QList<QByteArray>& Session::image(int type, int width, int height, std::uint32_t seed) {
    if (!lastImage_ || lastImage_->type != type || lastImage_->width != width ||
        lastImage_->height != height || lastImage_->seed != seed) {
        lastImage_ = MadeImage{type, width, height, seed, makeImage(type, width, height, seed)};
    }
    return lastImage_->planes;
}

void Session::bmpw(int type, int width, int height, const QByteArray& name, std::uint32_t seed) {
    const QList<QByteArray>& planes = image(type, width, height, seed);
    sendLine("BMPW," + QByteArray::number(type) + "," + QByteArray::number(width) + "," +
             QByteArray::number(height) + "," + name);
    for (qsizetype p = 0; p < planes.size(); ++p) {
        ok();
        sendRaw(planes[p],
                QString("plane %1 of %2, seed %3").arg(p + 1).arg(planes.size()).arg(seed));
    }
    ok();
}

QByteArray Session::bmpr(int type, int width, int height) {
    const qsizetype size = qsizetype(std::max(width, 0)) * std::max(height, 0);
    const int planeCount = type == 1 ? 1 : 3;
    sendLine("BMPR," + QByteArray::number(type) + "," + QByteArray::number(width) + "," +
             QByteArray::number(height));
    QByteArray image;
    for (int p = 1; p <= planeCount; ++p) {
        ok();
        const Read plane = peer_.readBytes(size, replyLimitMs_);
        if (plane.end != ReadEnd::Done)
            throw Unmet("expected plane " + std::to_string(p) + " of " + std::to_string(size) +
                        " bytes within " + std::to_string(replyLimitMs_) + " ms, got " +
                        std::to_string(plane.bytes.size()) +
                        (plane.end == ReadEnd::Closed ? " before the connection closed" : ""));
        transcript_.note(QString("< %1 bytes (plane %2 of %3)").arg(size).arg(p).arg(planeCount));
        image += plane.bytes;
    }
    ok();
    return image;
}

void Session::datw(const QByteArray& name, const QByteArray& dataLine) {
    sendLine("DATW," + name);
    ok();
    sendLine(dataLine);
    ok();
}

void Session::xydt(const QList<QByteArray>& points) {
    sendLine("XYDT," + QByteArray::number(points.size()));
    ok();
    for (const QByteArray& point : points) {
        sendLine(point);
        ok();
    }
}

void Session::setw(const QByteArray& record, const QByteArray& workers) {
    sendLine("SETW");
    ok();
    sendLine(record);
    ok();
    sendLine(workers);
    ok();
}

SetrResult Session::setr() {
    sendLine("SETR");
    // Allowed, the file chosen: "0,"; refused or the file dialog cancelled: "1,".
    const QByteArray allowed = line("\"0,\" or \"1,\"");
    if (allowed == "1,") return {SetrEnd::Refused, {}, {}};
    if (allowed != "0,") throw Unmet("expected \"0,\" or \"1,\", got \"" + show(allowed) + "\"");
    sendLine("0,");
    const QByteArray answer = line("the send dialog's \"0,\" or \"1,\"");
    if (answer != "0," && answer != "1,")
        throw Unmet("expected \"0,\" or \"1,\", got \"" + show(answer) + "\"");
    sendLine("0,");
    if (answer == "1,") return {SetrEnd::Cancelled, {}, {}};
    SetrResult result{SetrEnd::Sent, line("the record line"), {}};
    sendLine("0,");
    result.workers = line("the worker line");
    sendLine("0,");
    return result;
}

}  // namespace dmsim
