#include "app/text/FileMessages.h"

#include <QDir>

namespace pelmar::text {

QString notWritten(const FileProblem& problem) {
    return QStringLiteral("ファイルに書き込めません: %1（%2）")
        .arg(QDir::toNativeSeparators(problem.path), problem.reason);
}

void tellIfNotWritten(Prompts& prompts, const QString& whatFile, const FileOutcome<>& written) {
    if (written) return;
    prompts.message(
        kProgramTitle,
        QStringLiteral("%1を書き込めません。\n%2").arg(whatFile, notWritten(written.problem())),
        Prompts::Icon::Warning, Prompts::Ok);
}

}  // namespace pelmar::text
