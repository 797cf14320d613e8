#pragma once

#include <QString>
#include <optional>

#include "app/link/FolderOps.h"

namespace pelmar::settings {

// Makes the folder with MakeFolderPath for a dialog's "作成". Nothing when the folder exists
// afterwards; otherwise the text of the message box: the folder and why it could not be made
// (a file in the way, no permission, no such place).
std::optional<QString> makeFolderProblem(const QString& folder, FolderOps& ops);

}  // namespace pelmar::settings
