#pragma once

#include <QStringList>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "app/imaging/ImageCommands.h"
#include "app/imaging/TessioLibrary.h"
#include "app/link/CommandLoop.h"
#include "app/link/DataCommands.h"
#include "app/link/Exchange.h"
#include "app/link/Transport.h"
#include "app/seams/EventPump.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/seams/Screen.h"
#include "app/seams/Socket.h"
#include "app/settings/SettingCommands.h"
#include "app/settings/SettingScreen.h"

namespace pelmar {

// The program without its windows: the link to the DM, the command loop with every command
// handler, and the start-up sequence. It reaches the windows only through the Screen, Prompts
// and setting room's SettingScreen seams, and the disk's folders through FolderOps, so tests run
// it on fakes exactly as the program runs it.
class Station {
public:
    Station(ProgramState& state, Socket& socket, EventPump& pump, Screen& screen,
            settings::SettingScreen& settingScreen, Prompts& prompts, FolderOps& folders,
            imaging::TessioLibrary& display);

    // The start-up sequence, up to the command loop: the BMP palette, the window shown, the
    // display library prepared, PELMAR.INI read (and written back when it is missing or
    // incomplete), the save folder made to exist, the history emptied, the settings shown, and
    // the report header's start values set with its name lines read from NAME.INI.
    void startUp();
    // A notice said with those of the start-up, right after "起動" (Qt's Japanese texts missing).
    void noticeAtStart(const QString& notice) { startupNotices_.append(notice); }
    // The command loop, until stop() or an unexpected error ends it.
    void run();
    void stop() { loop_.stop(); }

    CommandLoop& loop() { return loop_; }

private:
    ProgramState& state_;
    EventPump& pump_;
    Screen& screen_;
    FolderOps& folders_;
    imaging::TessioLibrary& display_;
    Transport transport_;
    Exchange exchange_;
    CommandLoop loop_;
    DataCommands dataCommands_;
    imaging::ImageCommands imageCommands_;
    settings::SettingCommands settingCommands_;
    // Said right after "起動": a display library that is missing, a program folder that cannot be
    // made; a save folder that cannot be made, which stands out until a store succeeds; a
    // PELMAR.INI or NAME.INI that cannot be written, which stands out until the file is written.
    // None holds the start (and the DM's link with it) in a message box until somebody comes to
    // answer it.
    QStringList startupNotices_;
    std::vector<std::pair<Screen::Problem, QString>> startupProblems_;
    // A program file that could not be written at start (whatFile: "設定ファイル", ...).
    void problemIfNotWritten(Screen::Problem problem, const QString& whatFile,
                             const FileOutcome<>& written);
};

}  // namespace pelmar
