#pragma once

namespace tessio::display {

// The display side of opening a board: fills the 8-bit header, the display palette and the
// 24-bit header once (640 x 480) and records the platform identifier read with GetVersionExA.
// DDMopen_sys calls it for a board that is not yet open, before it looks for the board.
void prepare();

}  // namespace tessio::display
