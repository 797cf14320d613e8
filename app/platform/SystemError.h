#pragma once

#include <QString>
#include <string>

namespace pelmar::platform {

// Windows' own words for the calling thread's last error (GetLastError), without the line end
// it puts after them.
QString lastSystemError();

// A path as the system's wide calls take it, in its long form ("\\?\C:\...",
// "\\?\UNC\server\share\...") when it is absolute, so that a deep folder and a long name are
// not cut off at 260 characters, as Qt's own file calls do.
std::wstring systemPath(const QString& path);

}  // namespace pelmar::platform
