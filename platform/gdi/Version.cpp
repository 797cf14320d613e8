#include <cstring>

#include "platform/gdi/windows.h"

// What GetVersionExA reports to a program without a compatibility manifest on every NT-family
// system since Windows 8: 6.2, build 9200.
extern "C" BOOL WINAPI GetVersionExA(OSVERSIONINFOA* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
    info->dwMajorVersion = 6;
    info->dwMinorVersion = 2;
    info->dwBuildNumber = 9200;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}
