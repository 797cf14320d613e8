#pragma once

#include <cstdint>

namespace tessio {

// An open board device: a Win32 HANDLE or a POSIX file descriptor. All bits set is invalid.
using DeviceHandle = std::intptr_t;
inline constexpr DeviceHandle kInvalidDevice = -1;

// The one place that knows the operating system. Backends: win32 (SetupAPI and device I/O),
// posix (/dev/tessio<N>) and the simulated board of the tests. Time comes from here too, so the
// library's busy waits and whole-second time-outs run on a virtual clock in tests.
class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;

    // Finds the device at index n of the board's device class and opens it for reading and
    // writing. Prints the "**Error: ..." discovery lines on standard output where a step fails
    // and returns kInvalidDevice (also when the device is found but cannot be opened).
    virtual DeviceHandle openDevice(int n) = 0;
    // Ignores kInvalidDevice.
    virtual void closeDevice(DeviceHandle device) = 0;

    // One synchronous control call: the input bytes go in, up to outSize bytes come back in out.
    // out is left as it was where the call fails; the board library does not examine the result.
    virtual bool control(DeviceHandle device, std::uint32_t code, const void* in,
                         std::uint32_t inSize, void* out, std::uint32_t outSize) = 0;

    // Bulk data, one call per block. Each returns false when the call failed; moved receives the
    // bytes moved.
    virtual bool bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                          std::uint32_t* moved) = 0;
    virtual bool bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                           std::uint32_t* moved) = 0;

    // GetTickCount: milliseconds, wrapping at 32 bits.
    virtual std::uint32_t tickCount() = 0;
    // time(): wall-clock whole seconds.
    virtual std::int64_t wallSeconds() = 0;
};

// The backend in use: the platform's own unless a test has installed another.
DeviceBackend& backend();
// Installs a backend (nullptr restores the platform's own). The caller keeps ownership.
void setBackend(DeviceBackend* replacement);

}  // namespace tessio
