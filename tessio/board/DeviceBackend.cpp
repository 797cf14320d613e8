#include "tessio/board/DeviceBackend.h"

#include "tessio/board/PosixBackend.h"

namespace tessio {

namespace {
DeviceBackend* installed = nullptr;
}

DeviceBackend& backend() {
    // On Windows the win32 backend (SetupAPI) takes this place.
    static PosixBackend platform;
    return installed != nullptr ? *installed : platform;
}

void setBackend(DeviceBackend* replacement) {
    installed = replacement;
}

}  // namespace tessio
