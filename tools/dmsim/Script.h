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

// The script language, one step per line; '#' starts a comment, texts are in double quotes with
// the escapes \" \\ \r \n \t \xHH, numbers are decimal or 0x hex, times are milliseconds:
//
//   accept MS                        wait for (the next) connection from Pelmar
//   send TEXT                        send TEXT + CR
//   sendraw hex HEX                  send the bytes written as hex digits
//   sendraw bytes VALUE COUNT        send COUNT bytes of VALUE
//   sendraw image TYPE W H SEED      send the planes of a generated image, back to back
//   expect TEXT MS                   the next reply must be exactly TEXT + CR within MS
//   silence MS                       nothing may arrive for MS
//   closed MS                        Pelmar must close the connection within MS
//   drop                             close the connection from the DM's side
//   sleep MS
//   limit MS                         reply time limit of the exchanges below (default 10000)
//   none                             NONE, expect "0,"
//   bmpw TYPE W H NAME [SEED]        the whole image exchange, generated image (seed 1)
//   bmpr TYPE W H [sha1 HEX]         the DM's side of BMPR; checks the planes' SHA-1 if given
//   datw NAME TEXT                   DATW,NAME then the data line TEXT, "0," after each
//   xydt [X,Y ...]                   XYDT with the points given, "0," after each
//   stats N STEP [; STEP ...]        repeat the steps N times, print their time per round
//   pingstats N                      stats N none
//   baseline N BYTES                 time N pieces of BYTES over a plain loopback connection
Script parseScript(const QByteArray& source);

// Runs the steps in order. Returns 0 when all ran, 1 at the first one not met (after writing
// what was expected and what happened to the transcript).
int runScript(const Script& script, Session& session);

}  // namespace dmsim
