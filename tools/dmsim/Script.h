#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <stdexcept>

#include "tools/dmsim/Session.h"

namespace dmsim {

// A script line that cannot be understood; what() starts with "line N:".
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Step {
    int line = 0;  // 1-based line of the script
    QString text;  // the line as written, for the failure message
    std::function<void(Session&)> run;
};

using Script = QList<Step>;

// The script language, one step per line: a verb and its arguments (the verbs and what they do
// are the table kVerbs in Script.cpp, listed by scriptUsage()). '#' starts a comment, texts are
// in double quotes with the escapes \" \\ \r \n \t \xHH, numbers are decimal or 0x hex, times
// are milliseconds.
Script parseScript(const QByteArray& source);

// One line per verb: its arguments and what it does.
QString scriptUsage();

// Runs the steps in order. Returns 0 when all ran, 1 at the first one not met (after writing
// what was expected and what happened to the transcript).
int runScript(const Script& script, Session& session);

}  // namespace dmsim
