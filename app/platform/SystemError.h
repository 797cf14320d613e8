#pragma once

#include <QString>

namespace pelmar::platform {

// Windows' own words for the calling thread's last error (GetLastError), without the line end
// it puts after them.
QString lastSystemError();

}  // namespace pelmar::platform
