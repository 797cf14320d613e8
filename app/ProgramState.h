#pragma once

#include <QString>

#include "app/records/AppSettings.h"
#include "app/records/ResultHistory.h"
#include "app/imaging/ImageBuffers.h"
#include "app/link/MeasurementFiles.h"
#include "app/report/ReportHeader.h"
#include "app/settings/SettingData.h"

namespace pelmar {

// Everything the program keeps for the whole run. main owns it; the station, the windows and
// the command handlers each get the records they work on.
struct ProgramState {
    QString programFolder;
    // PELMAR.INI and NAME.INI: in the program folder, or per user for the installed program.
    QString iniPath;
    QString nameIniPath;
    AppSettings settings;
    // The folder the settings and merge dialogs propose; the save folder at start.
    QString workFolder;
    // The measurement the DM's data and image commands store their files under.
    Measurement measurement;
    ResultHistory history;
    report::ReportHeader reportHeader;
    // The image in hand and the BMP writer's colour table.
    imaging::ImageBuffers images;
    imaging::Palette palette{};
    // The DM's setting data in hand, and the file chosen for the current SETR exchange.
    settings::SettingData settingData;
    QString settingFilePath;
};

}  // namespace pelmar
