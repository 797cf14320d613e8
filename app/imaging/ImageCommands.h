#pragma once

#include <cstdint>
#include <vector>

#include "app/records/AppSettings.h"
#include "app/imaging/ImageBuffers.h"
#include "app/link/CommandLoop.h"
#include "app/link/Exchange.h"
#include "app/link/MeasurementFiles.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/seams/Screen.h"

namespace pelmar::imaging {

// The DM's image commands: "BMPW" brings an image to be shown and stored in the day folder,
// "BMPR" sends the pixels of a BMP file the inspector picks. A named BMPW names the current
// measurement, which the data commands' files join.
class ImageCommands {
public:
    // How long the DM has to deliver each plane, from the start of its receive.
    static constexpr int kPlaneTimeoutMs = 5000;
    // The most all planes of one image may take. The DM's largest images are a few MiB; a line
    // asking for more is refused before anything is allocated.
    static constexpr std::int64_t kLargestImageBytes = std::int64_t{256} * 1024 * 1024;

    ImageCommands(Exchange& exchange, Screen& screen, Prompts& prompts, const AppSettings& settings,
                  ImageBuffers& images, const Palette& palette, FolderOps& folders)
        : exchange_(exchange),
          screen_(screen),
          prompts_(prompts),
          settings_(settings),
          images_(images),
          palette_(palette),
          folders_(folders) {}

    // Adds "BMPW" and "BMPR" to the loop's dispatch table, over the measurement BMPW shares
    // with the data commands.
    void registerWith(CommandLoop& loop, Measurement& measurement);

    void BMPW(CommandLine& command, Measurement& measurement);
    // Throws DialogCancelled when the inspector cancels the file dialog.
    void BMPR(CommandLine& command);

private:
    bool receivePlane(std::vector<std::uint8_t>& plane);
    // The image's files as the save method asks; false (and the inspector told) when one could
    // not be stored.
    bool storeImage(const Measurement& measurement, int type, int width, int height);

    Exchange& exchange_;
    Screen& screen_;
    Prompts& prompts_;
    const AppSettings& settings_;
    ImageBuffers& images_;
    const Palette& palette_;
    FolderOps& folders_;
};

}  // namespace pelmar::imaging
