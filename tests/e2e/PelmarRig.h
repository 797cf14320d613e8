#pragma once

#include <QByteArray>
#include <QDate>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// One end-to-end run: a copy of the program folder in a temporary folder, dmsim playing a
// script on 127.0.0.1, and the copied pelmar with a PELMAR.INI that points at it and saves into
// <temporary folder>/data.
class PelmarRig {
public:
    PelmarRig();
    ~PelmarRig();

    struct Outcome {
        bool finished = false;  // dmsim ended within the limit
        int exitCode = -1;      // dmsim's: 0 the script ran to its end
        QString transcript;     // dmsim's standard output and error, for failure messages
    };

    // Starts dmsim with the script, then pelmar; waits for dmsim to end, then stops pelmar.
    Outcome run(const QByteArray& script, int saveMethod = 0, int limitMs = 120000);
    // The two halves of run, for a test that acts on Pelmar's windows while the script runs.
    bool startScript(const QByteArray& script, int saveMethod = 0);
    Outcome finish(int limitMs);

    // Pelmar shows its windows on this X display instead of drawing them offscreen.
    void showOn(const QString& display) { display_ = display; }

    // Starts dmsim with these arguments, then pelmar connected to it; both run until the rig
    // ends. False (with a test failure) when either did not start.
    bool start(const QStringList& dmsimArguments, int saveMethod);

    // Waits until the file is in today's day folder.
    bool waitForDayFile(const QString& name, int limitMs) const;
    // Waits until dmsim's transcript holds the text (a step the script has reached).
    bool waitForTranscript(const QByteArray& text, int limitMs);

    QString saveFolder() const { return dir_.filePath("data"); }
    // <save folder>/yyyymmdd; the run may have crossed midnight, so callers pass the dates
    // around it.
    QString dayFolder(const QDate& date) const;
    // The file in the day folder of today or, near midnight, of the day the run began.
    QByteArray dayFile(const QString& name) const;

private:
    QTemporaryDir dir_;
    QDate started_;
    QString startOutput_;
    QByteArray transcript_;  // what waitForTranscript has read of dmsim's output
    QString display_;
    QProcess dmsim_;
    QProcess pelmar_;
};
