#pragma once

#include <QString>

#include "app/seams/FileOutcome.h"
#include "app/seams/Prompts.h"

// How the program tells the inspector of a file it could not write.
namespace pelmar::text {

// "ファイルに書き込めません: PATH（REASON）".
QString notWritten(const FileProblem& problem);

// A message box that tells the inspector which file (whatFile: "設定ファイル", ...) could not be
// written, with its path and the reason; nothing when it was written. The program goes on
// either way.
void tellIfNotWritten(Prompts& prompts, const QString& whatFile, const FileOutcome<>& written);

}  // namespace pelmar::text
