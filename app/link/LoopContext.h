#pragma once

#include <QString>

namespace pelmar {

// What the command loop shares with every command handler (and with the settings send dialog,
// which uses the same line and reply).
struct LoopContext {
    QString lineBuffer;
    int readPos = 0;
    QString command;
    QString replyText;
    // The day folder and file name stem of the current measurement, set by BMPW and DATW and
    // kept from one command to the next.
    QString measurementFolder;
    QString measurementName;
};

}  // namespace pelmar
