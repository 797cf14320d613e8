#include "tessio/board/Win32Backend.h"

// setupapi.h needs windows.h before it.
#include <windows.h>

#include <setupapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>
#include <vector>

#include "tessio/board/Device.h"
#include "tessio/board/DiscoveryMessages.h"

namespace tessio {

namespace {

// The device interface class that the board's driver publishes.
constexpr GUID kBoardInterface = {
    0xB2C5B6A6, 0xAF8D, 0x49EC, {0x80, 0x9B, 0x39, 0x3B, 0x76, 0x80, 0xCB, 0xDD}};

// The driver's codes are those of an unknown device type, buffered, open to any access.
constexpr bool codesAreBufferedUnknownDevice() {
    const std::array<std::pair<std::uint32_t, DWORD>, 8> codes = {{
        {board::code::kReadMemory, 0x800},
        {board::code::kWriteMemory, 0x801},
        {board::code::kReadRegister, 0x802},
        {board::code::kWriteRegister, 0x803},
        {board::code::kReadPci, 0x804},
        {board::code::kWritePci, 0x805},
        {board::code::kSetDmaAddress, 0x806},
        {board::code::kSetTimeout, 0x808},
    }};
    return std::all_of(codes.begin(), codes.end(), [](const auto& c) {
        return c.first == CTL_CODE(FILE_DEVICE_UNKNOWN, c.second, METHOD_BUFFERED, FILE_ANY_ACCESS);
    });
}
static_assert(codesAreBufferedUnknownDevice());

HANDLE toHandle(DeviceHandle device) {
    return reinterpret_cast<HANDLE>(device);
}

// The enumeration set, released on every way out of the discovery.
class InterfaceSet {
public:
    explicit InterfaceSet(HDEVINFO set) : set_(set) {}
    ~InterfaceSet() { SetupDiDestroyDeviceInfoList(set_); }
    InterfaceSet(const InterfaceSet&) = delete;
    InterfaceSet& operator=(const InterfaceSet&) = delete;
    HDEVINFO get() const { return set_; }

private:
    HDEVINFO set_;
};

// The error of the last failed call, as the discovery lines print it.
int lastError() {
    return static_cast<int>(GetLastError());
}

}  // namespace

DeviceHandle Win32Backend::openDevice(int n) {
    const HDEVINFO found = SetupDiGetClassDevsA(&kBoardInterface, nullptr, nullptr,
                                                DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (found == INVALID_HANDLE_VALUE) {
        printClassInfoError(lastError());
        return kInvalidDevice;
    }
    const InterfaceSet set(found);
    // The record sizes are the system's own (28 and 5 bytes on 32-bit Windows, 32 and 8 on
    // 64-bit): SetupAPI refuses any other.
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (int index = 0; index <= n; ++index) {
        if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &kBoardInterface,
                                         static_cast<DWORD>(index), &entry)) {
            const int error = lastError();
            if (error == ERROR_NO_MORE_ITEMS)
                printNoMoreItems(index);
            else
                printEnumError(error);
            return kInvalidDevice;
        }
    }
    DWORD size = 0;
    if (!SetupDiGetDeviceInterfaceDetailA(set.get(), &entry, nullptr, 0, &size, nullptr)) {
        const int error = lastError();
        if (error != ERROR_INSUFFICIENT_BUFFER) {
            printDetailSizeError(error);
            return kInvalidDevice;
        }
    }
    const DWORD length = std::max<DWORD>(size, sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A));
    std::unique_ptr<unsigned char[]> record(new (std::nothrow) unsigned char[length]());
    if (!record) {
        printDetailAllocationError();
        return kInvalidDevice;
    }
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(record.get());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!SetupDiGetDeviceInterfaceDetailA(set.get(), &entry, detail, length, nullptr, nullptr)) {
        printDetailError(lastError());
        return kInvalidDevice;
    }
    // The path as the board's applications have always opened it: at most 259 characters.
    std::array<char, MAX_PATH> path{};
    std::strncpy(path.data(), detail->DevicePath, path.size() - 1);
    const HANDLE device =
        CreateFileA(path.data(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    return device == INVALID_HANDLE_VALUE ? kInvalidDevice : reinterpret_cast<DeviceHandle>(device);
}

void Win32Backend::closeDevice(DeviceHandle device) {
    if (device != kInvalidDevice) CloseHandle(toHandle(device));
}

bool Win32Backend::control(DeviceHandle device, std::uint32_t code, const void* in,
                           std::uint32_t inSize, void* out, std::uint32_t outSize) {
    // The answer lands in a buffer of our own and reaches out only from a call that succeeded, so
    // a failed call leaves out as it was, as on every system.
    std::vector<unsigned char> answer(std::max<std::uint32_t>(outSize, 1));
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(toHandle(device), code, const_cast<void*>(in), inSize,
                                      answer.data(), outSize, &returned, nullptr);
    if (!done) return false;
    std::memcpy(out, answer.data(), std::min<DWORD>(returned, outSize));
    return true;
}

bool Win32Backend::bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                            std::uint32_t* moved) {
    DWORD count = 0;
    const BOOL done = ReadFile(toHandle(device), buffer, length, &count, nullptr);
    *moved = count;
    return done != FALSE;
}

bool Win32Backend::bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                             std::uint32_t* moved) {
    DWORD count = 0;
    const BOOL done = WriteFile(toHandle(device), buffer, length, &count, nullptr);
    *moved = count;
    return done != FALSE;
}

std::uint32_t Win32Backend::tickCount() {
    return GetTickCount();
}

std::int64_t Win32Backend::wallSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace tessio
