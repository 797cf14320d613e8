#include <QLineEdit>

#include "app/logdata/frmReadLog.h"
#include "app/logdata/frmSaveLog.h"
#include "app/seams/FolderOps.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

const AddShot readLog(QStringLiteral("frmReadLog"), [](Gallery& g) -> QWidget* {
    SampleVolume& volume = sampleVolume();
    // The menu opens the reader at the save folder; the inspector has entered a day folder.
    auto* window =
        new logdata::frmReadLog(g.state.history, volume.folder("data"), volume, g.prompts);
    window->lists().enterFolder(volume.folder("data/20261206"));
    waitForFolders(window->lists(), volume.folder("data"));
    return window;
});

const AddShot saveLog(QStringLiteral("frmSaveLog"), [](Gallery& g) -> QWidget* {
    g.fillHistory(30);
    auto* window = new logdata::frmSaveLog(g.state.history, g.state.workFolder, g.folders,
                                           sampleVolume(), g.prompts);
    window->Text2->setText(QStringLiteral("20261207_all.csv"));
    return window;
});

}  // namespace
}  // namespace pelmar::screens
