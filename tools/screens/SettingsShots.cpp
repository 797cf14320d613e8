#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLineEdit>

#include "app/folders/frmFile.h"
#include "app/folders/frmSaveFolder.h"
#include "app/seams/FolderOps.h"
#include "app/settings/SettingFile.h"
#include "app/settings/SettingSender.h"
#include "app/settings/frmSaveSetting.h"
#include "app/settings/frmSettingData.h"
#include "app/settings/frmSettingDataRead.h"
#include "app/text/FileMessages.h"
#include "app/widgets/QtPrompts.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

// A record as the DM sends it for a lens in the automatic mode, with four of ten workers.
settings::SettingData sampleRecord() {
    settings::SettingData data{"PL-35F2", 4, 3, 10, 1, 0, 1, 1, 0, 128, {}};
    data.workerNames = {"SATO", "SUZUKI", "TAKAHASHI", "TANAKA", "", "", "", "", "", ""};
    return data;
}

const AddShot saveFolder(QStringLiteral("frmSaveFolder"), [](Gallery& g) -> QWidget* {
    return new folders::frmSaveFolder(g.state.settings.saveFolder, g.folders, g.prompts);
});

const AddShot picker(QStringLiteral("frmFile"), [](Gallery& g) -> QWidget* {
    SampleVolume& volume = sampleVolume();
    // The lists start at the save folder.
    g.state.settings.saveFolder = volume.folder("data");
    auto* window = new folders::frmFile(g.state.settings.saveFolder, volume, g.prompts);
    window->lists().enterFolder(volume.folder("data/20261207"));
    waitForFolders(window->lists(), volume.folder("data"));
    return window;
});

const AddShot editor(QStringLiteral("frmSettingData"), [](Gallery& g) -> QWidget* {
    g.state.settingData = sampleRecord();
    return new settings::frmSettingData(g.state.settingData);
});

const AddShot saveSetting(QStringLiteral("frmSaveSetting"), [](Gallery& g) -> QWidget* {
    static folders::LocalVolumes volumes;
    auto* window = new settings::frmSaveSetting(g.state.settingData, g.state.workFolder, g.folders,
                                                volumes, g.prompts);
    window->Text2->setText(QStringLiteral("PL-35F2.txt"));
    return window;
});

const AddShot sender(QStringLiteral("frmSettingDataRead"), [](Gallery& g) -> QWidget* {
    // The gallery has no DM and never sends: the dialog is drawn, not used.
    static struct : settings::SettingSender {
        bool send(const settings::SettingData&) override { return false; }
        bool cancel() override { return false; }
    } link;
    settings::SettingData loaded = sampleRecord();
    loaded.measureMode = 2;
    loaded.inspectImage = -1;
    return new settings::frmSettingDataRead(g.state.settingData, loaded, link, g.prompts);
});

// SETR's file dialog in a folder of setting-data files, saved by the editor without an extension
// and with one.
const AddShot setrFile(QStringLiteral("dlgSetrFile"), [](Gallery&) -> QWidget* {
    const QString folder = sampleVolume().folder("data/settings");
    for (const char* name : {"lens1", "PL-35F2.txt"}) {
        const QString path = QDir(folder).filePath(QLatin1String(name));
        if (const auto written = settings::WriteSettingFile(path, sampleRecord()); !written) {
            qWarning("%s", qPrintable(text::notWritten(written.problem())));
        }
    }
    QFileDialog* dialog = makeFileDialog(QFileDialog::AcceptOpen, folder,
                                         QStringLiteral("すべてのファイル(*.*)|*.*"), nullptr);
    // The list fills in the background.
    auto* model = dialog->findChild<QFileSystemModel*>();
    QElapsedTimer waited;
    waited.start();
    while (model && model->rowCount(model->index(folder)) < 2 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return dialog;
});

}  // namespace
}  // namespace pelmar::screens
