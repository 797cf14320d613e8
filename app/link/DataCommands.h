#pragma once

#include "app/records/AppSettings.h"
#include "app/records/ResultHistory.h"
#include "app/link/CommandLoop.h"
#include "app/link/Exchange.h"
#include "app/link/MeasurementFiles.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Screen.h"

namespace pelmar {

// The measurement-data commands: DATW (the result line of a measurement) and XYDT (its measured
// points). Each stores a CSV file in the day folder, and sends its last "0," only once the file
// is on disk; DATW also adds the result to the history, stored or not. DATW names the current
// measurement, which XYDT's points join.
class DataCommands {
public:
    DataCommands(Exchange& exchange, Screen& screen, const AppSettings& settings,
                 ResultHistory& history, FolderOps& folders)
        : exchange_(exchange),
          screen_(screen),
          settings_(settings),
          history_(history),
          folders_(folders) {}

    // Adds "DATW" and "XYDT" to the loop's dispatch table, over the measurement they share with
    // the image commands.
    void registerWith(CommandLoop& loop, Measurement& measurement);

    void DATW(CommandLine& command, Measurement& measurement);
    void XYDT(CommandLine& command, const Measurement& measurement);

private:
    QString file(const QString& folder, const QString& name, const QString& suffix) const;

    Exchange& exchange_;
    Screen& screen_;
    const AppSettings& settings_;
    ResultHistory& history_;
    FolderOps& folders_;
};

}  // namespace pelmar
