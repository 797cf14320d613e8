#pragma once

#include <gtest/gtest.h>

#include "tests/support/FakeScreen.h"
#include "tests/support/StationRig.h"

namespace pelmar::fakes {

// The fixture of the command handlers' tests: the station on fakes, its main window a
// FakeScreen, its loop online with the fake DM.
class OnlineStation : public ::testing::Test {
protected:
    OnlineStation() { rig.goOnline(); }

    FakeScreen screen;
    StationRig rig;
    Station& station = rig.build(screen);
    ProgramState& state = rig.state;
    FakeSocket& socket = rig.socket;
    FakePump& pump = rig.pump;
    FakePrompts& prompts = rig.prompts;
    FakeSettingScreen& settingScreen = rig.settingScreen;
    QTemporaryDir& dir = rig.dir;
    CommandLoop& loop = station.loop();
};

}  // namespace pelmar::fakes
