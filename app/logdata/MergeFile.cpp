#include "app/logdata/MergeFile.h"

#include <QStringList>

#include "app/text/TextFile.h"

namespace pelmar::logdata {
namespace {

QString mergeLine(const ResultEntry& e) {
    QString line;
    for (const QString* field :
         {&e.dateTime, &e.modeCode, &e.result, &e.judgement, &e.tolerance, &e.scaleDivision,
          &e.lensName, &e.serialNo, &e.processorModel, &e.workerName, &e.instrumentModel}) {
        line += *field;
        line += u',';
    }
    return line;
}

}  // namespace

FileOutcome<> WriteMergeFile(const QString& path, const ResultHistory& history) {
    QStringList lines;
    for (int i = 0; i < history.historyCount; ++i) {
        const ResultEntry& entry = history.entries[static_cast<std::size_t>(i)];
        if (entry.checked == 1) lines.append(mergeLine(entry));
    }
    return text::writeLines(path, lines);
}

}  // namespace pelmar::logdata
