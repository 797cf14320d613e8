#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include "app/link/FolderOps.h"
#include "app/settings/FolderPicker.h"
#include "app/settings/SettingDataWindows.h"
#include "app/settings/SettingSender.h"
#include "app/settings/frmSaveFolder.h"
#include "app/settings/frmSaveSetting.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

// A volume of sample day folders, so that the picker shows the same tree on every machine.
class SampleVolume : public settings::Volumes {
public:
    SampleVolume() {
        for (const char* folder :
             {"data/20261205", "data/20261206", "data/20261207", "data/settings", "export"}) {
            QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
        }
    }
    std::vector<settings::Volume> list() override {
        return {{dir_.path(), QStringLiteral("DATA")}};
    }
    bool readable(const QString&) override { return true; }
    QString folder(const char* sub) const {
        return QDir(dir_.path()).filePath(QString::fromLatin1(sub));
    }

private:
    QTemporaryDir dir_;
};

LocalFolders folders;

// A record as the DM sends it for a lens in the automatic mode, with four of ten workers.
settings::SettingData sampleRecord() {
    settings::SettingData data{"PL-35F2", 4, 3, 10, 1, 0, 1, 1, 0, 128, {}};
    data.workerNames = {"SATO", "SUZUKI", "TAKAHASHI", "TANAKA", "", "", "", "", "", ""};
    return data;
}

const AddShot saveFolder(QStringLiteral("frmSaveFolder"), [](Gallery& g) -> QWidget* {
    return new settings::frmSaveFolder(g.state.settings.saveFolder, folders, g.prompts);
});

const AddShot picker(QStringLiteral("frmFile"), [](Gallery& g) -> QWidget* {
    static SampleVolume volume;
    // The lists start at the process's current folder, as after the main window's "保存場所".
    const QString galleryFolder = QDir::currentPath();
    QDir::setCurrent(volume.folder("data"));
    auto* window = new settings::frmFile(g.state.settings.saveFolder, volume, g.prompts);
    QDir::setCurrent(galleryFolder);
    window->lists().enterFolder(volume.folder("data/20261207"));
    // The tree fills in the background; the picture waits for the open folder's level.
    QFileSystemModel& model = window->lists().model();
    QElapsedTimer waited;
    waited.start();
    while (model.rowCount(model.index(volume.folder("data"))) < 4 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    return window;
});

const AddShot editor(QStringLiteral("frmSettingData"), [](Gallery& g) -> QWidget* {
    g.state.settingData = sampleRecord();
    return new settings::frmSettingData(g.state.settingData);
});

const AddShot saveSetting(QStringLiteral("frmSaveSetting"), [](Gallery& g) -> QWidget* {
    static settings::LocalVolumes volumes;
    auto* window = new settings::frmSaveSetting(g.state.settingData, g.state.workFolder, folders,
                                                volumes, g.prompts);
    window->Text2->setText(QStringLiteral("PL-35F2.txt"));
    return window;
});

const AddShot sender(QStringLiteral("frmSettingDataRead"), [](Gallery& g) -> QWidget* {
    // The gallery never sends: the dialog is drawn, not used.
    static struct : settings::SettingSender {
        void send(const settings::SettingData&) override {}
        void cancel() override {}
    } link;
    settings::SettingData loaded = sampleRecord();
    loaded.measureMode = 2;
    loaded.inspectImage = -1;
    return new settings::frmSettingDataRead(g.state.settingData, loaded, link);
});

}  // namespace
}  // namespace pelmar::screens
