#pragma once

#include <QtGlobal>

namespace dmsim {

// The baseline's receiver, with nothing but the system's socket calls: connects to the port on
// 127.0.0.1, reads a whole piece of `bytes` bytes, answers "0," + CR, until the other side
// closes. One file for each system's sockets; the process's socket library is already started
// (by Qt's listening socket).
void answerPieces(quint16 port, qsizetype bytes);

}  // namespace dmsim
