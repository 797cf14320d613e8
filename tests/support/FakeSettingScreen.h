#pragma once

#include <vector>

#include "app/settings/SettingScreen.h"

namespace pelmar::fakes {

// The setting room's windows as a test sees them: what was opened, and the last send dialog's
// sender, for its buttons.
class FakeSettingScreen : public settings::SettingScreen {
public:
    void openEditor() override { ++editorOpens; }
    void openSender(const settings::SettingData& loaded, settings::SettingSender& opened) override {
        senderLoaded.push_back(loaded);
        sender = &opened;
    }
    void raiseSender() override { ++senderRaises; }

    int editorOpens = 0;
    std::vector<settings::SettingData> senderLoaded;  // the record of each send dialog opened
    settings::SettingSender* sender = nullptr;
    int senderRaises = 0;
};

}  // namespace pelmar::fakes
