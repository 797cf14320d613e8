#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include "tools/dmsim/Peer.h"
#include "tools/dmsim/Transcript.h"

namespace dmsim {

// The DM as it runs at the station, for ./dev run: when Pelmar connects it sends OPEN, then
// every few seconds a measurement (an image A001, A002, ... with every fourth one in colour,
// its result line and its point list) and NONE keep-alives in between. A reply that does not
// come is logged and the demo goes on; when Pelmar goes away it waits for it to come back.
// Runs until the process is stopped. withSettings adds, after the first and the second
// measurement, one SETW and one SETR, each waiting up to a minute for the inspector.
[[noreturn]] void runDemo(Peer& peer, Transcript& transcript, bool withSettings);

// The result line of measurement `shot` taken at `when`. Field 0 is "MM/DD/YYYY ddd. hh:mm:ss",
// laid out so that Pelmar's table, which shows characters 7-10, 1-2, 4-5 and 17-24 of it,
// reads "YYYY.MM.DD hh:mm:ss".
QByteArray demoDataLine(int shot, const QDateTime& when);

// The measured points of measurement `shot`, "x,y" each.
QList<QByteArray> demoPoints(int shot);

}  // namespace dmsim
