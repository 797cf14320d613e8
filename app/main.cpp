#include <QApplication>

#include "app/Form1.h"
#include "app/ProgramFiles.h"
#include "app/Station.h"
#include "app/folders/LocalFolders.h"
#include "app/folders/Volumes.h"
#include "app/link/QtEventPump.h"
#include "app/link/TcpSocket.h"
#include "app/platform/Installation.h"
#include "app/settings/SettingWindows.h"
#include "app/widgets/Accessibility.h"
#include "app/widgets/Japanese.h"
#include "app/widgets/QtPrompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator japanese;
    const bool japaneseTexts = pelmar::installJapanese(japanese);
    pelmar::installAccessibleInterfaces();

    pelmar::ProgramState state;
    state.programFolder = QCoreApplication::applicationDirPath();
    pelmar::TcpSocket socket;
    pelmar::QtEventPump pump;
    pelmar::QtPrompts prompts;
    pelmar::folders::LocalFolders folders;
    pelmar::folders::LocalVolumes volumes;
    pelmar::imaging::TessioLibrary display(state.programFolder,
                                           pelmar::platform::installedTessio());
    pelmar::Form1 form(state, pump, prompts, folders, volumes, display);
    pelmar::settings::SettingWindows settingWindows(form, state.workFolder, state.settingData,
                                                    folders, volumes, prompts);
    pelmar::Station station(state, socket, pump, form, settingWindows, prompts, folders, display);
    if (!japaneseTexts) {
        station.noticeAtStart(QStringLiteral(
            "Qtの日本語の文言 qtbase_ja.qm を読み込めません（ボタンは英語で表示されます）"));
    }
    station.startUp();
    station.run();
    // The loop has ended on an error: the window stays usable until the program is closed.
    return app.exec();
}
