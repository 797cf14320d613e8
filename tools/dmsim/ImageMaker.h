#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

namespace dmsim {

// The pictures the simulated DM sends: what the measuring instrument's camera sees, a bright
// ring with a cross-hair (the lens target) on a dark, noisy field. The seed moves the target a
// little and changes the noise, so successive shots differ like real ones; the same seed always
// gives the same bytes, so a test can rebuild what was sent.
//
// Planes are width x height bytes, row after row, top row first, as they travel on the wire.
// Type 1 gives one gray plane; any other type gives three planes (plane 1 red, 2 green, 3 blue,
// which is how Pelmar's bitmap writer stores them).
QList<QByteArray> makeImage(int type, int width, int height, std::uint32_t seed);

}  // namespace dmsim
