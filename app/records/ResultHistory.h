#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace pelmar {

// One measurement result, its texts exactly as the DM sent them.
struct ResultEntry {
    QString dateTime;
    QString modeCode;
    QString result;
    QString judgement;
    QString tolerance;
    QString scaleDivision;
    QString lensName;
    QString serialNo;
    QString processorModel;
    QString workerName;
    QString instrumentModel;
    std::int32_t checked = 0;  // listed on the report and in the merge when 1
    QString jpegPath;
    QString bitmapPath;
};

// The results received or reloaded since start. Index 100 is never written by a measurement:
// from the 100th result on, each new one overwrites entry 99.
struct ResultHistory {
    static constexpr int kEntries = 101;
    static constexpr int kLastIndex = 99;
    static constexpr int kRows = 8;

    std::array<ResultEntry, kEntries> entries;
    std::int32_t historyCount = 0;  // where the next result goes
    std::int32_t historyTop = 0;    // entry shown in the first table row

    // Empties every entry and both counters.
    void clear();

    // A measurement record (the DM's data line, or the first line of a stored measurement file)
    // goes into the slot where the next result goes: checked, fields 0 to 10 (missing ones
    // empty, later ones ignored) and its image paths; historyTop then shows it in the last row.
    // Returns the slot. The table is redrawn before commitRecord() moves historyCount on.
    int storeRecord(const QString& record, const QString& jpegPath, const QString& bitmapPath);
    // historyCount moves past the slot just stored, to 99 at most.
    void commitRecord();
};

// The table's texts for an entry.
QString entryNumberText(int index);  // "001" for index 0
QString rowDateText(const QString& dateTime);
QString modeText(const QString& modeCode);

}  // namespace pelmar
