// Pelmar as it runs, but with an inspector who allows every request at once: the SETW timing
// run of e2e_timing.sh measures the program from the DM's worker line to its last "0,", and a
// person's "はい" comes before that line. Everything else is the program's own: the windows
// (offscreen), the socket, the loop, the handlers.
// Like pelmar it reads PELMAR.INI from its own folder; it refuses to start unless that file
// names the DM at 127.0.0.1.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/Form1.h"
#include "app/IniFile.h"
#include "app/Station.h"
#include "app/folders/LocalFolders.h"
#include "app/folders/Volumes.h"
#include "app/link/QtEventPump.h"
#include "app/link/TcpSocket.h"
#include "app/settings/SettingWindows.h"

namespace {

class AllowingPrompts : public pelmar::Prompts {
public:
    Button message(const QString&, const QString&, Icon, Buttons buttons) override {
        return buttons.testFlag(Yes) ? Yes : Ok;
    }
    std::optional<QString> openFile(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pelmar::ProgramState state;
    state.programFolder = QCoreApplication::applicationDirPath();

    pelmar::AppSettings configured;
    pelmar::LoadIniFile(QDir(state.programFolder).filePath(QStringLiteral("PELMAR.INI")),
                        configured);
    if (configured.dmAddress != QStringLiteral("127.0.0.1")) {
        std::fprintf(stderr, "setw_station: PELMAR.INI beside it must name the DM at 127.0.0.1\n");
        return 2;
    }

    pelmar::TcpSocket socket;
    pelmar::QtEventPump pump;
    AllowingPrompts prompts;
    pelmar::imaging::TessioLibrary display(state.programFolder);
    pelmar::folders::LocalFolders folders;
    pelmar::folders::LocalVolumes volumes;
    pelmar::Form1 form(state, pump, prompts, folders, volumes, display);
    pelmar::settings::SettingWindows settingWindows(form, state.workFolder, state.settingData,
                                                    folders, volumes, prompts);
    pelmar::Station station(state, socket, pump, form, settingWindows, prompts, folders, display);
    station.startUp();
    station.run();
    return 1;
}
