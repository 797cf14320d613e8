#pragma once

#include <cstdint>
#include <vector>

#include "app/ProgramState.h"
#include "app/link/CommandLoop.h"
#include "app/link/FolderOps.h"
#include "app/link/Screen.h"
#include "app/link/Transport.h"

namespace pelmar {

// The DM's image commands: "BMPW" brings an image to be shown and stored in the day folder,
// "BMPR" sends the pixels of a BMP file the inspector picks.
class ImageCommands {
public:
    // How long the DM has to deliver each plane, from the start of its receive.
    static constexpr int kPlaneTimeoutMs = 5000;
    // The most all planes of one image may take. The DM's largest images are a few MiB; a line
    // asking for more is refused before anything is allocated.
    static constexpr std::int64_t kLargestImageBytes = std::int64_t{256} * 1024 * 1024;

    ImageCommands(Transport& transport, Screen& screen, ProgramState& state, FolderOps& folders);

    // Adds "BMPW" and "BMPR" to the loop's dispatch table.
    void registerWith(CommandLoop& loop);

    // Both are entered with the command line in state.loop.lineBuffer and readPos after the
    // command word.
    void BMPW();
    // Throws DialogCancelled when the inspector cancels the file dialog.
    void BMPR();

private:
    void reply(const char* text);
    bool receivePlane(std::vector<std::uint8_t>& plane);
    void storeImage(int type, int width, int height);

    Transport& transport_;
    Screen& screen_;
    ProgramState& state_;
    FolderOps& folders_;
};

}  // namespace pelmar
