// A hostile or broken DM: the input is what the DM sends, in pieces that arrive a few
// milliseconds apart (a byte 0xFF starts the next piece; a 0xFE byte drops the connection there).
// The station serves it on fakes in a temporary program folder. Whatever comes, no turn of the
// loop may end it: nonsense is ignored or refused and a lost link is connected again.
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <deque>

#include "tests/support/FakeScreen.h"
#include "tests/support/StationRig.h"

namespace {

using namespace pelmar;

// A file that cannot be stored is refused to the DM, never thrown: any throw is a fault.
void serve(const std::uint8_t* data, std::size_t size) {
    fakes::FakeScreen screen;
    fakes::StationRig rig;
    Station& station = rig.build(screen);
    rig.prompts.answer = Prompts::Yes;  // every request allowed, so every exchange is reachable
    rig.goOnline();

    std::int64_t at = rig.pump.nowMs();
    QByteArray piece;
    for (std::size_t i = 0; i <= size; ++i) {
        const bool end = i == size;
        if (end || data[i] == 0xFF || data[i] == 0xFE) {
            rig.socket.arriveAt(at, piece);
            piece.clear();
            if (!end && data[i] == 0xFE) rig.socket.dropAt(at);
            at += 3;
            continue;
        }
        piece.append(static_cast<char>(data[i]));
    }
    // Enough turns to take every piece, wait out the longest exchange and connect again.
    const std::int64_t until = at + 30'000;
    try {
        while (rig.pump.nowMs() < until) station.loop().turn();
    } catch (...) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_dm_session";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size > 4096) return 0;
    serve(data, size);
    return 0;
}
