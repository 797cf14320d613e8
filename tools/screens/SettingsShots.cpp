#include "app/link/FolderOps.h"
#include "app/settings/FolderPicker.h"
#include "app/settings/frmSaveFolder.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

LocalFolders folders;

const AddShot saveFolder(QStringLiteral("frmSaveFolder"), [](Gallery& g) -> QWidget* {
    return new settings::frmSaveFolder(g.state.settings.saveFolder, folders, g.prompts);
});

const AddShot picker(QStringLiteral("frmFile"), [](Gallery& g) -> QWidget* {
    SampleVolume& volume = sampleVolume();
    // The lists start at the process's current folder, as after the main window's "保存場所".
    auto* window = madeIn(volume.folder("data"), [&] {
        return new settings::frmFile(g.state.settings.saveFolder, volume, g.prompts);
    });
    window->lists().enterFolder(volume.folder("data/20261207"));
    waitForFolders(window->lists(), volume.folder("data"));
    return window;
});

}  // namespace
}  // namespace pelmar::screens
