#pragma once

#include "app/settings/SettingData.h"
#include "app/settings/SettingSender.h"

namespace pelmar::settings {

// The setting room's windows as the settings commands see them: opened without waiting, each
// one at most once. Real: SettingWindows. Tests: a fake that records what was opened.
class SettingScreen {
public:
    virtual ~SettingScreen() = default;

    // The setting-data editor over the program's setting data. One that is open already is
    // brought to view unchanged.
    virtual void openEditor() = 0;
    // The send dialog of the DM's read request, showing the record loaded from the chosen file;
    // its buttons finish the exchange through the sender.
    virtual void openSender(const SettingData& loaded, SettingSender& sender) = 0;
    // The send dialog that is open, brought to view unchanged.
    virtual void raiseSender() = 0;
};

}  // namespace pelmar::settings
