#include "tools/screens/Gallery.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "app/folders/LocalFolders.h"

namespace pelmar::screens {
namespace {

// The gallery never waits for anyone: prompts answer at once, waits do nothing.
class QuietPump : public EventPump {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
    void sleepMs(int) override {}
    void waitForEvents(int) override { QCoreApplication::processEvents(); }
    std::int64_t nowMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

class QuietPrompts : public Prompts {
public:
    Button message(const QString&, const QString&, Icon, Buttons) override { return No; }
    std::optional<QString> openFile(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&) override { return {}; }
};

QuietPump quietPump;
QuietPrompts quietPrompts;
folders::LocalFolders localFolders;

}  // namespace

std::vector<Shot>& shots() {
    static std::vector<Shot> all;
    return all;
}

Gallery::Gallery(const QString& programFolder)
    : pump(quietPump), prompts(quietPrompts), folders(localFolders), display(programFolder) {
    state.programFolder = programFolder;
    state.settings.saveFolder = QStringLiteral("/srv/pelmar/data");
    state.settings.dmAddress = QStringLiteral("127.0.0.1");
    state.settings.dmPort = QStringLiteral("1001");
    state.settings.saveMethod = SaveBoth;
    state.settings.jpegQuality = kDefaultJpegQuality;
    state.workFolder = state.settings.saveFolder;
    imaging::setGrayRamp(state.palette);
    // Tessio's display state is the library's own, and each shot loads the library anew.
    display.DDSopen_sys();
}

QString Gallery::sampleRecord(int n) {
    static const char* const judgements[] = {"OK", "OK", "OK", "NG"};
    return QStringLiteral(
               "12/07/2026 Mon. 10:%1:%2,V,0.%3,%4,0.0200,0.0010,PL-35F2,S26120700%5,"
               "DM-7200,SATO,EC-500")
        .arg(n / 60 % 60 + 10, 2, 10, QChar(u'0'))
        .arg(n % 60, 2, 10, QChar(u'0'))
        .arg(100 + n * 37 % 900, 4, 10, QChar(u'0'))
        .arg(QLatin1String(judgements[n % 4]))
        .arg(n, 5, 10, QChar(u'0'));
}

void Gallery::fillHistory(int n) {
    state.history.clear();
    for (int i = 1; i <= n; ++i) {
        const QString name =
            QStringLiteral("/srv/pelmar/data/20261207/A%1").arg(i, 3, 10, QChar(u'0'));
        state.history.storeRecord(sampleRecord(i), name + QStringLiteral(".jpg"),
                                  name + QStringLiteral(".bmp"));
        state.history.commitRecord();
    }
}

SampleVolume::SampleVolume() {
    for (const char* folder :
         {"data/20261205", "data/20261206", "data/20261207", "data/settings", "export"}) {
        QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
    }
}

std::vector<folders::Volume> SampleVolume::list() {
    return {{dir_.path(), QStringLiteral("DATA")}};
}

QString SampleVolume::folder(const char* sub) const {
    return QDir(dir_.path()).filePath(QString::fromLatin1(sub));
}

SampleVolume& sampleVolume() {
    static SampleVolume volume;
    return volume;
}

void waitForFolders(folders::FolderLists& lists, const QString& folder) {
    const auto subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    QFileSystemModel& model = lists.model();
    QElapsedTimer waited;
    waited.start();
    while (model.rowCount(model.index(folder)) < subfolders && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
}

}  // namespace pelmar::screens
