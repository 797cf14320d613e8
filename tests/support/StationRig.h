#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/ProgramState.h"
#include "app/Station.h"
#include "app/folders/LocalFolders.h"
#include "app/folders/Volumes.h"
#include "app/imaging/TessioLibrary.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/FakePump.h"
#include "tests/support/FakeSettingScreen.h"
#include "tests/support/FakeSocket.h"

namespace pelmar::fakes {

// The program without its real windows, network or clock: a station over the fake socket, pump
// and prompts, in a program folder of its own (a fresh temporary folder, which is also the save
// folder). The screen is the test's: a FakeScreen, or Form1 itself; the setting room's windows
// are the fake's unless the test gives its own.
class StationRig {
public:
    StationRig();

    // Makes the station over the screen; nothing runs yet.
    Station& build(Screen& screen) { return build(screen, settingScreen); }
    Station& build(Screen& screen, settings::SettingScreen& settingWindows);
    // Starts the loop and turns it until it is online with the fake DM.
    void goOnline();
    // The DM sends a command line (CR added) and then each block once Pelmar has answered "0,";
    // one loop turn serves it. Returns what Pelmar sent meanwhile.
    QByteArray serve(const QByteArray& line, std::deque<QByteArray> blocks = {});

    // Today's day folder under the save folder, and a file in it.
    QString day() const;
    QString dayFile(const QString& name) const;

    CommandLoop& loop() { return station->loop(); }

    QTemporaryDir dir;
    FakePump pump;
    FakeSocket socket{pump};
    FakePrompts prompts;
    FakeSettingScreen settingScreen;
    folders::LocalFolders folders;
    folders::LocalVolumes volumes;
    ProgramState state;
    imaging::TessioLibrary display;
    std::unique_ptr<Station> station;
};

}  // namespace pelmar::fakes
