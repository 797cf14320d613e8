#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

#include "app/widgets/Japanese.h"
#include "app/records/ResultHistory.h"
#include "app/report/ReportHeader.h"
#include "app/report/frmSeiseki.h"
#include "tests/support/FakePrompts.h"

namespace pelmar::report {

// A report over a history of the test's making, in a program folder of its own (NAME.INI and the
// save folder), with scripted prompts and the program's fonts.
struct ReportRig {
    ReportRig() {
        static QTranslator japanese;
        static const bool installed = installJapanese(japanese);
        (void)installed;
        header.createYear = 2013;
        header.createMonth = 4;
        header.createDay = 5;
    }

    // Result n (1-based) as the DM sends it: lens "L<n>", serial "S<n>".
    static QString record(int n) {
        return QStringLiteral(
                   "04/05/2013 Fri. 14:%1:%2,V,0.%3,OK,0.0200,0.0010,L%4,S%4,DM-7200,SATO,"
                   "EC-500")
            .arg(n / 60, 2, 10, QChar(u'0'))
            .arg(n % 60, 2, 10, QChar(u'0'))
            .arg(n, 4, 10, QChar(u'0'))
            .arg(n);
    }
    // Adds results n = from .. to, each checked.
    void add(int from, int to) {
        for (int n = from; n <= to; ++n) {
            history.storeRecord(record(n), QString(), QString());
            history.commitRecord();
        }
    }

    std::unique_ptr<frmSeiseki> open() {
        return std::make_unique<frmSeiseki>(header, history, nameIniPath, saveFolder, prompts);
    }

    QTemporaryDir dir;
    ResultHistory history;
    ReportHeader header;
    QString nameIniPath = QDir(dir.path()).filePath(QStringLiteral("NAME.INI"));
    QString saveFolder = dir.path();
    fakes::FakePrompts prompts;
};

}  // namespace pelmar::report
