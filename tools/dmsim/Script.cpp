#include "tools/dmsim/Script.h"

#include <QCryptographicHash>
#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>
#include <vector>

#include "tools/dmsim/Baseline.h"
#include "tools/dmsim/ImageMaker.h"

namespace dmsim {

namespace {

// Far beyond any picture of the instrument, and small enough that a mistyped size cannot make
// the simulator allocate gigabytes.
constexpr int kMaxSide = 8192;
constexpr int kMaxBytes = 64 << 20;

struct Token {
    QByteArray text;
    bool quoted = false;
};

[[noreturn]] void fail(int line, const QString& message) {
    throw ScriptError(QString("line %1: %2").arg(line).arg(message).toStdString());
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

QList<Token> tokenize(const QByteArray& source, int line) {
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < source.size()) {
        const char c = source[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{{}, true};
            for (++i;; ++i) {
                if (i >= source.size()) fail(line, "a text is not closed by \"");
                char d = source[i];
                if (d == '"') break;
                if (d == '\\') {
                    if (++i >= source.size()) fail(line, "a text ends inside an escape");
                    d = source[i];
                    if (d == 'r') {
                        d = '\r';
                    } else if (d == 'n') {
                        d = '\n';
                    } else if (d == 't') {
                        d = '\t';
                    } else if (d == 'x') {
                        const int high = i + 1 < source.size() ? hexDigit(source[i + 1]) : -1;
                        const int low = i + 2 < source.size() ? hexDigit(source[i + 2]) : -1;
                        if (high < 0 || low < 0) fail(line, "\\x needs two hex digits");
                        d = static_cast<char>(high * 16 + low);
                        i += 2;
                    } else if (d != '"' && d != '\\') {
                        fail(line, QString("unknown escape \\%1").arg(QChar(d)));
                    }
                }
                token.text += d;
            }
            ++i;
            tokens.append(token);
        } else {
            Token token;
            while (i < source.size() && source[i] != ' ' && source[i] != '\t' &&
                   source[i] != '\r' && source[i] != '"' && source[i] != '#')
                token.text += source[i++];
            tokens.append(token);
        }
    }
    return tokens;
}

// The arguments of one step, taken in order.
class Args {
public:
    Args(QList<Token> tokens, int line) : tokens_(std::move(tokens)), line_(line) {}

    QByteArray text(const char* what) {
        if (next_ >= tokens_.size()) fail(line_, QString("%1 is missing").arg(what));
        return tokens_[next_++].text;
    }
    int number(const char* what, int least = 0, int most = std::numeric_limits<int>::max()) {
        const QByteArray word = text(what);
        bool ok = false;
        const int value = word.startsWith("0x") ? word.mid(2).toInt(&ok, 16) : word.toInt(&ok);
        if (!ok || value < least || value > most)
            fail(line_, QString("%1 must be a number from %2 to %3, not \"%4\"")
                            .arg(what)
                            .arg(least)
                            .arg(most)
                            .arg(QString::fromLatin1(word)));
        return value;
    }
    bool more() const { return next_ < tokens_.size(); }
    QList<Token> rest() { return tokens_.mid(std::exchange(next_, tokens_.size())); }
    void end() {
        if (more())
            fail(line_, QString("unexpected \"%1\"").arg(QString::fromLatin1(tokens_[next_].text)));
    }
    int line() const { return line_; }

private:
    QList<Token> tokens_;
    qsizetype next_ = 0;
    int line_;
};

using Action = std::function<void(Session&)>;

Action parseStep(Args& args);

bool isMark(const Token& token, const char* mark) {
    return !token.quoted && token.text == mark;
}

// The steps of stats: those before "|" are timed together, once per round; those after it run
// untimed at the end of each round (to let Pelmar settle).
Action parseRounds(Args& args, int rounds, const QList<Token>& body) {
    std::vector<Action> steps;
    std::size_t timedCount = 0;
    QList<Token> group;
    QString label;
    for (qsizetype i = 0; i <= body.size(); ++i) {
        const bool end = i == body.size();
        if (!end && !isMark(body[i], ";") && !isMark(body[i], "|")) {
            group.append(body[i]);
            continue;
        }
        if (group.isEmpty()) fail(args.line(), "stats needs a step to repeat");
        Args inner(group, args.line());
        steps.push_back(parseStep(inner));
        if (timedCount == 0) {
            label += (label.isEmpty() ? "" : "; ") + QString::fromLatin1(group.first().text);
            if (end || isMark(body[i], "|")) timedCount = steps.size();
        } else if (!end && isMark(body[i], "|")) {
            fail(args.line(), "stats takes one | at most");
        }
        group.clear();
    }
    return [rounds, steps, timedCount, label](Session& session) {
        std::vector<double> micros;
        session.transcript().setMuted(true);
        try {
            for (int round = 0; round < rounds; ++round) {
                const auto start = std::chrono::steady_clock::now();
                for (std::size_t s = 0; s < timedCount; ++s) steps[s](session);
                micros.push_back(std::chrono::duration<double, std::micro>(
                                     std::chrono::steady_clock::now() - start)
                                     .count());
                for (std::size_t s = timedCount; s < steps.size(); ++s) steps[s](session);
            }
        } catch (...) {
            session.transcript().setMuted(false);
            throw;
        }
        session.transcript().setMuted(false);
        session.transcript().note("stats " + label + ": " + describe(summarize(micros)));
    };
}

Action parseAccept(Args& args) {
    const int ms = args.number("the time limit");
    return [ms](Session& s) { s.accept(ms); };
}

Action parseSend(Args& args) {
    const QByteArray text = args.text("the text");
    return [text](Session& s) { s.sendLine(text); };
}

Action parseSendRaw(Args& args) {
    const QByteArray kind = args.text("hex, bytes or image");
    if (kind == "hex") {
        const QByteArray digits = args.text("the hex digits");
        const QByteArray bytes = QByteArray::fromHex(digits);
        if (digits.size() % 2 != 0 || bytes.toHex().toLower() != digits.toLower())
            fail(args.line(), "sendraw hex needs pairs of hex digits");
        return [bytes](Session& s) { s.sendRaw(bytes); };
    }
    if (kind == "bytes") {
        const int value = args.number("the byte value", 0, 255);
        const int count = args.number("the count", 0, kMaxBytes);
        return [value, count](Session& s) {
            s.sendRaw(QByteArray(count, static_cast<char>(value)),
                      QString("%1 x 0x%2").arg(count).arg(value, 2, 16, QChar('0')));
        };
    }
    if (kind == "image") {
        const int type = args.number("the image type");
        const int width = args.number("the width", 0, kMaxSide);
        const int height = args.number("the height", 0, kMaxSide);
        const auto seed = static_cast<std::uint32_t>(args.number("the seed"));
        return [=](Session& s) {
            s.sendRaw(makeImage(type, width, height, seed).join(),
                      QString("image type %1, %2 x %3, seed %4")
                          .arg(type)
                          .arg(width)
                          .arg(height)
                          .arg(seed));
        };
    }
    fail(args.line(), "sendraw takes hex, bytes or image");
}

Action parseExpect(Args& args) {
    const QByteArray text = args.text("the reply");
    const int ms = args.number("the time limit");
    return [text, ms](Session& s) { s.expect(text, ms); };
}

Action parseSilence(Args& args) {
    const int ms = args.number("the time");
    return [ms](Session& s) { s.expectSilence(ms); };
}

Action parseClosed(Args& args) {
    const int ms = args.number("the time limit");
    return [ms](Session& s) { s.expectClosed(ms); };
}

Action parseDrop(Args&) {
    return [](Session& s) { s.drop(); };
}

Action parseSleep(Args& args) {
    const int ms = args.number("the time");
    return [ms](Session&) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
}

Action parseLimit(Args& args) {
    const int ms = args.number("the time limit", 1);
    return [ms](Session& s) { s.setReplyLimit(ms); };
}

Action parseNone(Args&) {
    return [](Session& s) { s.none(); };
}

Action parseBmpw(Args& args) {
    const int type = args.number("the image type");
    const int width = args.number("the width", 0, kMaxSide);
    const int height = args.number("the height", 0, kMaxSide);
    const QByteArray name = args.text("the image name");
    const auto seed = static_cast<std::uint32_t>(args.more() ? args.number("the seed") : 1);
    return [=](Session& s) { s.bmpw(type, width, height, name, seed); };
}

Action parseBmpr(Args& args) {
    const int type = args.number("the image type");
    const int width = args.number("the width", 0, kMaxSide);
    const int height = args.number("the height", 0, kMaxSide);
    QByteArray sha1;
    if (args.more()) {
        if (args.text("sha1") != "sha1") fail(args.line(), "bmpr takes sha1 HEX after the size");
        sha1 = args.text("the SHA-1").toLower();
    }
    return [=](Session& s) {
        const QByteArray image = s.bmpr(type, width, height);
        const QByteArray got = QCryptographicHash::hash(image, QCryptographicHash::Sha1).toHex();
        s.transcript().note("  sha1 " + QString::fromLatin1(got));
        if (!sha1.isEmpty() && got != sha1)
            throw Unmet("expected planes with sha1 " + sha1.toStdString() + ", got " +
                        got.toStdString());
    };
}

Action parseDatw(Args& args) {
    const QByteArray name = args.text("the name");
    const QByteArray line = args.text("the data line");
    return [name, line](Session& s) { s.datw(name, line); };
}

Action parseXydt(Args& args) {
    QList<QByteArray> points;
    for (const Token& token : args.rest()) points.append(token.text);
    return [points](Session& s) { s.xydt(points); };
}

Action parseSetw(Args& args) {
    const QByteArray record = args.text("the record line");
    const QByteArray workers = args.text("the worker line");
    return [record, workers](Session& s) { s.setw(record, workers); };
}

Action parseSetr(Args& args) {
    static const char* const names[] = {"refused", "cancelled", "sent"};
    const QByteArray ending = args.text("refused, cancelled or sent");
    const auto named =
        std::ranges::find_if(names, [&](const char* name) { return ending == name; });
    if (named == std::end(names)) fail(args.line(), "setr takes refused, cancelled or sent");
    const auto end = static_cast<SetrEnd>(named - std::begin(names));
    QByteArray record;
    QByteArray workers;
    const bool check = end == SetrEnd::Sent && args.more();
    if (check) {
        record = args.text("the record line");
        workers = args.text("the worker line");
    }
    return [=](Session& s) {
        const SetrResult result = s.setr();
        if (result.end == SetrEnd::Sent) {
            s.transcript().note("  record: " + Transcript::readable(result.record));
            s.transcript().note("  workers: " + Transcript::readable(result.workers));
        }
        if (result.end != end)
            throw Unmet(std::string("expected SETR ") + names[int(end)] + ", it was " +
                        names[int(result.end)]);
        if (check && (result.record != record || result.workers != workers))
            throw Unmet("expected the record \"" + record.toStdString() + "\" and the workers \"" +
                        workers.toStdString() + "\"");
    };
}

Action parseStats(Args& args) {
    const int rounds = args.number("the number of rounds", 1);
    return parseRounds(args, rounds, args.rest());
}

Action parsePingStats(Args& args) {
    const int rounds = args.number("the number of rounds", 1);
    return parseRounds(args, rounds, {Token{"none"}});
}

Action parseBaseline(Args& args) {
    const int rounds = args.number("the number of rounds", 1);
    const int bytes = args.number("the number of bytes", 1, kMaxBytes);
    return [rounds, bytes](Session& s) {
        s.transcript().note(QString("baseline %1 bytes over plain loopback: %2")
                                .arg(bytes)
                                .arg(describe(measureLoopback(rounds, bytes))));
    };
}

struct Verb {
    const char* name;
    const char* usage;
    Action (*parse)(Args&);  // reads the verb's arguments; parseStep rejects any left over
};

// The script language: one entry per verb, in the order `dmsim --help` lists them.
constexpr Verb kVerbs[] = {
    {"accept", "accept MS: wait for (the next) connection from Pelmar", parseAccept},
    {"send", "send TEXT: send TEXT + CR", parseSend},
    {"sendraw",
     "sendraw hex HEX | bytes VALUE COUNT | image TYPE W H SEED: send the bytes written as hex "
     "digits, COUNT bytes of VALUE, or the planes of a generated image back to back",
     parseSendRaw},
    {"expect", "expect TEXT MS: the next reply must be exactly TEXT + CR within MS", parseExpect},
    {"silence", "silence MS: nothing may arrive for MS", parseSilence},
    {"closed", "closed MS: Pelmar must close the connection within MS", parseClosed},
    {"drop", "drop: close the connection from the DM's side", parseDrop},
    {"sleep", "sleep MS: wait MS", parseSleep},
    {"limit", "limit MS: reply time limit of the exchanges below (default 10000)", parseLimit},
    {"none", "none: NONE, expect \"0,\"", parseNone},
    {"bmpw", "bmpw TYPE W H NAME [SEED]: the whole image exchange, generated image (seed 1)",
     parseBmpw},
    {"bmpr", "bmpr TYPE W H [sha1 HEX]: the DM's side of BMPR; checks the planes' SHA-1 if given",
     parseBmpr},
    {"datw", "datw NAME TEXT: DATW,NAME then the data line TEXT, \"0,\" after each", parseDatw},
    {"xydt", "xydt [X,Y ...]: XYDT with the points given, \"0,\" after each", parseXydt},
    {"setw", "setw RECORD WORKERS: SETW, the record line and the worker line, \"0,\" after each",
     parseSetw},
    {"setr",
     "setr refused | cancelled | sent [RECORD WORKERS]: the DM's side of SETR, how Pelmar ends it "
     "(refused at once, or in the send dialog); prints the record and worker lines it sends and "
     "checks them if given",
     parseSetr},
    {"stats",
     "stats N STEP [; STEP ...] [| STEP [; STEP ...]]: repeat the steps N times, print the time "
     "per round of those before | (those after it run untimed)",
     parseStats},
    {"pingstats", "pingstats N: stats N none", parsePingStats},
    {"baseline", "baseline N BYTES: time N pieces of BYTES over a plain loopback connection",
     parseBaseline},
};

Action parseStep(Args& args) {
    const QByteArray name = args.text("a command");
    const auto verb = std::ranges::find_if(kVerbs, [&](const Verb& v) { return name == v.name; });
    if (verb == std::end(kVerbs)) {
        QStringList known;
        for (const Verb& v : kVerbs) known.append(v.name);
        fail(args.line(), QString("unknown command \"%1\" (known: %2)")
                              .arg(QString::fromLatin1(name), known.join(", ")));
    }
    Action action = verb->parse(args);
    args.end();
    return action;
}

}  // namespace

QString scriptUsage() {
    QStringList lines;
    for (const Verb& verb : kVerbs) lines.append(verb.usage);
    return lines.join('\n');
}

Script parseScript(const QByteArray& source) {
    Script script;
    const QList<QByteArray> lines = source.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        QList<Token> tokens = tokenize(lines[i], number);
        if (tokens.isEmpty()) continue;
        Args args(std::move(tokens), number);
        Action action = parseStep(args);
        script.append(Step{number, QString::fromUtf8(lines[i]).trimmed(), std::move(action)});
    }
    return script;
}

int runScript(const Script& script, Session& session) {
    for (const Step& step : script) {
        try {
            step.run(session);
        } catch (const std::exception& error) {
            session.transcript().note(
                QString("FAILED at line %1 (%2): %3").arg(step.line).arg(step.text, error.what()));
            return 1;
        }
    }
    session.transcript().note("script done");
    return 0;
}

}  // namespace dmsim
