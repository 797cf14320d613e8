#include "tools/dmsim/Script.h"

#include <QCryptographicHash>
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

// stats N STEP [; STEP ...] [| STEP [; STEP ...]]: the steps before "|" are timed together, once
// per round; those after it run untimed at the end of each round (to let Pelmar settle).
Action parseStats(Args& args, int rounds, const QList<Token>& body) {
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

Action parseStep(Args& args) {
    const QByteArray verb = args.text("a command");
    Action action;
    if (verb == "accept") {
        const int ms = args.number("the time limit");
        action = [ms](Session& s) { s.accept(ms); };
    } else if (verb == "send") {
        const QByteArray text = args.text("the text");
        action = [text](Session& s) { s.sendLine(text); };
    } else if (verb == "sendraw") {
        const QByteArray kind = args.text("hex, bytes or image");
        if (kind == "hex") {
            const QByteArray digits = args.text("the hex digits");
            const QByteArray bytes = QByteArray::fromHex(digits);
            if (digits.size() % 2 != 0 || bytes.toHex().toLower() != digits.toLower())
                fail(args.line(), "sendraw hex needs pairs of hex digits");
            action = [bytes](Session& s) { s.sendRaw(bytes); };
        } else if (kind == "bytes") {
            const int value = args.number("the byte value", 0, 255);
            const int count = args.number("the count", 0, kMaxBytes);
            action = [value, count](Session& s) {
                s.sendRaw(QByteArray(count, static_cast<char>(value)),
                          QString("%1 x 0x%2").arg(count).arg(value, 2, 16, QChar('0')));
            };
        } else if (kind == "image") {
            const int type = args.number("the image type");
            const int width = args.number("the width", 0, kMaxSide);
            const int height = args.number("the height", 0, kMaxSide);
            const auto seed = static_cast<std::uint32_t>(args.number("the seed"));
            action = [=](Session& s) {
                s.sendRaw(makeImage(type, width, height, seed).join(),
                          QString("image type %1, %2 x %3, seed %4")
                              .arg(type)
                              .arg(width)
                              .arg(height)
                              .arg(seed));
            };
        } else {
            fail(args.line(), "sendraw takes hex, bytes or image");
        }
    } else if (verb == "expect") {
        const QByteArray text = args.text("the reply");
        const int ms = args.number("the time limit");
        action = [text, ms](Session& s) { s.expect(text, ms); };
    } else if (verb == "silence") {
        const int ms = args.number("the time");
        action = [ms](Session& s) { s.expectSilence(ms); };
    } else if (verb == "closed") {
        const int ms = args.number("the time limit");
        action = [ms](Session& s) { s.expectClosed(ms); };
    } else if (verb == "drop") {
        action = [](Session& s) { s.drop(); };
    } else if (verb == "sleep") {
        const int ms = args.number("the time");
        action = [ms](Session&) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    } else if (verb == "limit") {
        const int ms = args.number("the time limit", 1);
        action = [ms](Session& s) { s.setReplyLimit(ms); };
    } else if (verb == "none") {
        action = [](Session& s) { s.none(); };
    } else if (verb == "bmpw") {
        const int type = args.number("the image type");
        const int width = args.number("the width", 0, kMaxSide);
        const int height = args.number("the height", 0, kMaxSide);
        const QByteArray name = args.text("the image name");
        const auto seed = static_cast<std::uint32_t>(args.more() ? args.number("the seed") : 1);
        action = [=](Session& s) { s.bmpw(type, width, height, name, seed); };
    } else if (verb == "bmpr") {
        const int type = args.number("the image type");
        const int width = args.number("the width", 0, kMaxSide);
        const int height = args.number("the height", 0, kMaxSide);
        QByteArray sha1;
        if (args.more()) {
            if (args.text("sha1") != "sha1")
                fail(args.line(), "bmpr takes sha1 HEX after the size");
            sha1 = args.text("the SHA-1").toLower();
        }
        action = [=](Session& s) {
            const QByteArray image = s.bmpr(type, width, height);
            const QByteArray got =
                QCryptographicHash::hash(image, QCryptographicHash::Sha1).toHex();
            s.transcript().note("  sha1 " + QString::fromLatin1(got));
            if (!sha1.isEmpty() && got != sha1)
                throw Unmet("expected planes with sha1 " + sha1.toStdString() + ", got " +
                            got.toStdString());
        };
    } else if (verb == "datw") {
        const QByteArray name = args.text("the name");
        const QByteArray line = args.text("the data line");
        action = [name, line](Session& s) { s.datw(name, line); };
    } else if (verb == "xydt") {
        QList<QByteArray> points;
        for (const Token& token : args.rest()) points.append(token.text);
        action = [points](Session& s) { s.xydt(points); };
    } else if (verb == "stats") {
        const int rounds = args.number("the number of rounds", 1);
        return parseStats(args, rounds, args.rest());
    } else if (verb == "pingstats") {
        const int rounds = args.number("the number of rounds", 1);
        args.end();
        return parseStats(args, rounds, {Token{"none"}});
    } else if (verb == "baseline") {
        const int rounds = args.number("the number of rounds", 1);
        const int bytes = args.number("the number of bytes", 1, kMaxBytes);
        action = [rounds, bytes](Session& s) {
            s.transcript().note(QString("baseline %1 bytes over plain loopback: %2")
                                    .arg(bytes)
                                    .arg(describe(measureLoopback(rounds, bytes))));
        };
    } else {
        fail(args.line(), QString("unknown command \"%1\"").arg(QString::fromLatin1(verb)));
    }
    args.end();
    return action;
}

}  // namespace

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
