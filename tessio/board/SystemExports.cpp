// Board discovery, open and version.
#include "tessio.h"
#include "tessio/board/BoardTable.h"
#include "tessio/display/DisplayState.h"

using namespace tessio::board;

namespace {
// The version of tessio.h: MAJOR * 100 + MINOR * 10, which holds only for a minor below 10.
static_assert(TESSIO_VERSION_MINOR >= 0 && TESSIO_VERSION_MINOR < 10);
constexpr std::int32_t kVersion = TESSIO_VERSION_NUMBER;
}  // namespace

extern "C" {

TESSIO_API int32_t TESSIO_CALL DDMopen_sys(int32_t number) {
    return onBoard(number, -1, [number](Board& board) {
        if (board.device != tessio::kInvalidDevice) return 1;
        tessio::display::prepare();
        board.device = tessio::backend().openDevice(static_cast<std::int16_t>(number));
        return board.device != tessio::kInvalidDevice ? 0 : -1;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSopen_sys(void) {
    return DDMopen_sys(0);
}

TESSIO_API int32_t TESSIO_CALL DDMgetver(int32_t number) {
    return onBoard(number, -1, [](Board&) { return kVersion; });
}
TESSIO_API int32_t TESSIO_CALL DDSgetver(void) {
    return DDMgetver(0);
}

}  // extern "C"
