#pragma once

#include "app/ProgramState.h"
#include "app/link/CommandLoop.h"
#include "app/link/FolderOps.h"
#include "app/link/Screen.h"
#include "app/link/Transport.h"

namespace pelmar {

// The measurement-data commands: DATW (the result line of a measurement) and XYDT (its measured
// points). Each stores a CSV file in the day folder; DATW also adds the result to the history.
class DataCommands {
public:
    DataCommands(Transport& transport, Screen& screen, ProgramState& state, FolderOps& folders)
        : transport_(transport), screen_(screen), state_(state), folders_(folders) {}

    void registerWith(CommandLoop& loop);

    void DATW();
    void XYDT();

private:
    // Sends the reply composed in replyText, dropping whatever the DM sent meanwhile.
    void reply();
    // Receives the next line into lineBuffer; false on a time-out.
    bool receiveLine();
    QString todaysFolder() const;

    Transport& transport_;
    Screen& screen_;
    ProgramState& state_;
    FolderOps& folders_;
};

}  // namespace pelmar
