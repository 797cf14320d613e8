#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace pelmar {

// The main window as the start-up sequence and the command handlers see it. Real: Form1.
// Tests: a fake that records what was shown.
class Screen {
public:
    virtual ~Screen() = default;

    // Shows the main window (at start-up).
    virtual void showWindow() = 0;
    // Copies the settings into the controls.
    virtual void ShowSettings() = 0;

    // Writes a time-stamped status line; leaveflg 1 appends, 0 replaces. It may set the caller's
    // leaveflg to 0 when a new page starts.
    virtual void DispMsg(const QString& msg, int& leaveflg) = 0;
    // A file that cannot be written until something changes: the DM's files (the disk is full,
    // the folder gone or read-only), PELMAR.INI or NAME.INI (the program's values or the
    // report's name lines would not be kept).
    enum class Problem { Store, Settings, Names };
    // An appended status line saying what could not be written, and why. It stands out, and
    // stays in view on later status pages, until the same kind of file is written again.
    virtual void showProblem(Problem problem, const QString& msg) = 0;
    // Such a file was written: a line of that problem no longer stands out.
    virtual void problemMended(Problem problem) = 0;

    // The DM address and port as they stand in the text boxes now (read at every attempt).
    virtual QString dmAddressText() = 0;
    virtual QString dmPortText() = 0;

    // The result table: its two scroll buttons, emptying its rows, and filling them from the
    // result history.
    virtual void enableTableButtons(bool enabled) = 0;
    virtual void clearTable() = 0;
    virtual void RedrawResults() = 0;
    // Draws an entry number (three digits) over the picture at its usual place.
    virtual void drawEntryNumber(int number) = 0;

    // The picture box: cleared, then the 8-bit plane drawn by the display library. The
    // measurement it belongs to (empty for an image sent without a name) describes it.
    virtual void showImage(const QString& measurement, const std::uint8_t* plane, int width,
                           int height) = 0;
    // The picture box's persistent image over the extent of the last image shown (what the
    // JPEG file is made from); nullptr when there is none.
    virtual const QImage* pictureImage() = 0;
};

// DispMsg with a literal flag, for the common case of a plain appended line.
inline void appendStatus(Screen& screen, const QString& msg) {
    int leave = 1;
    screen.DispMsg(msg, leave);
}

}  // namespace pelmar
