#pragma once

#include <QtGlobal>

#include "tools/dmsim/Stats.h"

namespace dmsim {

// The floor the timing runs compare Pelmar against: the same sending code moves `bytes` bytes
// over a plain loopback connection to a receiver that answers "0," + CR as soon as it has them
// all, `rounds` times. Throws std::runtime_error when the loopback connection fails.
Stats measureLoopback(int rounds, qsizetype bytes);

}  // namespace dmsim
