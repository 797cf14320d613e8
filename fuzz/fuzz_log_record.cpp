// Log files come from any folder the inspector picks, and the search pattern matches whatever
// names lie there: neither may crash, read outside its input, or take unbounded time.
// The first input byte chooses: even, the rest is a measurement file read back into the
// history; odd, the rest is a pattern and a name, split at the first NUL byte.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/records/ResultHistory.h"
#include "app/logdata/LogReader.h"
#include "app/logdata/NamePattern.h"

namespace {

void readLogFile(const QByteArray& bytes) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("A001.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();

    pelmar::ResultHistory history;
    const auto result = pelmar::logdata::ReadLogData(dir.path(), history);
    if (result.filesRead + result.filesSkipped != 1) std::abort();
    if (result.filesRead == 0) {
        if (history.historyCount != 0) std::abort();
        return;
    }
    // One character at most per byte read, and nothing of the line end or what follows it.
    const pelmar::ResultEntry& e = history.entries[0];
    qsizetype characters = 0;
    for (const QString* field :
         {&e.dateTime, &e.modeCode, &e.result, &e.judgement, &e.tolerance, &e.scaleDivision,
          &e.lensName, &e.serialNo, &e.processorModel, &e.workerName, &e.instrumentModel}) {
        if (field->contains(u'\r') || field->contains(u'\n')) std::abort();
        characters += field->size();
    }
    if (history.historyCount != 1 || e.checked != 1 ||
        characters > std::min(bytes.size(), pelmar::logdata::kMaxRecordBytes))
        std::abort();
}

void matchName(const QByteArray& bytes) {
    const qsizetype split = bytes.indexOf('\0');
    const QString pattern = QString::fromUtf8(bytes.first(split < 0 ? bytes.size() : split));
    const QString name = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));
    pelmar::logdata::NamePattern(pattern).matches(name);

    if (!pelmar::logdata::NamePattern(QStringLiteral("*")).matches(name)) std::abort();
    // A name without wildcard characters matches itself.
    static const QString wildcards = QStringLiteral("*?#[");
    bool plain = true;
    for (QChar c : name) plain = plain && !wildcards.contains(c);
    if (plain && !pelmar::logdata::NamePattern(name).matches(name)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    if (data[0] % 2 == 0)
        readLogFile(rest);
    else
        matchName(rest);
    return 0;
}
