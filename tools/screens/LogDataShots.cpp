#include "app/logdata/frmReadLog.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

const AddShot readLog(QStringLiteral("frmReadLog"), [](Gallery& g) -> QWidget* {
    SampleVolume& volume = sampleVolume();
    // The menu opens the reader at the save folder; the inspector has entered a day folder.
    auto* window = madeIn(volume.folder("data"), [&] {
        return new logdata::frmReadLog(g.state.history, volume, g.prompts);
    });
    window->lists().enterFolder(volume.folder("data/20261206"));
    waitForFolders(window->lists(), volume.folder("data"));
    return window;
});

}  // namespace
}  // namespace pelmar::screens
