#include "tessio/board/DeviceBackend.h"

#if defined(_WIN32)
#include "tessio/board/Win32Backend.h"
#else
#include "tessio/board/PosixBackend.h"
#endif

namespace tessio {

namespace {
DeviceBackend* installed = nullptr;
}

DeviceBackend& backend() {
#if defined(_WIN32)
    static Win32Backend platform;
#else
    static PosixBackend platform;
#endif
    return installed != nullptr ? *installed : platform;
}

void setBackend(DeviceBackend* replacement) {
    installed = replacement;
}

}  // namespace tessio
