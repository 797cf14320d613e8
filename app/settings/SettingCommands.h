#pragma once

#include <QString>

#include "app/link/CommandLoop.h"
#include "app/link/Exchange.h"
#include "app/records/AppSettings.h"
#include "app/seams/FileOutcome.h"
#include "app/seams/Prompts.h"
#include "app/seams/Screen.h"
#include "app/settings/SettingData.h"
#include "app/settings/SettingScreen.h"
#include "app/settings/SettingSender.h"

namespace pelmar::settings {

// The settings exchange commands, each allowed by the inspector first: SETW (the DM writes its
// setting data to the program, which shows it in the editor) and SETR (the DM reads setting data
// from a file the inspector picks; the send dialog finishes the exchange).
class SettingCommands {
public:
    SettingCommands(Exchange& exchange, Screen& screen, SettingScreen& windows, Prompts& prompts,
                    const AppSettings& settings, SettingData& data, const QString& workFolder,
                    QString& settingFilePath)
        : exchange_(exchange),
          screen_(screen),
          windows_(windows),
          prompts_(prompts),
          settings_(settings),
          data_(data),
          workFolder_(workFolder),
          settingFilePath_(settingFilePath),
          sender_(exchange, screen) {}

    void registerWith(CommandLoop& loop);

    void SETW(CommandLine& command);
    void SETR(CommandLine& command);

private:
    using Parse = FileOutcome<> (*)(const QString&, SettingData&);

    bool allowed(const QString& request);
    // The DM's next line taken apart into the setting data, then answered "0,"; false when no
    // line came in time or it did not parse.
    bool receive(Parse parse);

    Exchange& exchange_;
    Screen& screen_;
    SettingScreen& windows_;
    Prompts& prompts_;
    const AppSettings& settings_;
    SettingData& data_;
    const QString& workFolder_;
    QString& settingFilePath_;
    LinkSettingSender sender_;
};

}  // namespace pelmar::settings
