#pragma once

#include "tessio/board/DeviceBackend.h"

namespace tessio {

// Boards behind their Windows driver: board n is the interface at member index n of the board's
// device interface class, found with SetupAPI and opened with CreateFileA. Control calls are
// DeviceIoControl, bulk data ReadFile and WriteFile, the clock GetTickCount.
class Win32Backend final : public DeviceBackend {
public:
    DeviceHandle openDevice(int n) override;
    void closeDevice(DeviceHandle device) override;
    bool control(DeviceHandle device, std::uint32_t code, const void* in, std::uint32_t inSize,
                 void* out, std::uint32_t outSize) override;
    bool bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                  std::uint32_t* moved) override;
    bool bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                   std::uint32_t* moved) override;
    std::uint32_t tickCount() override;
    std::int64_t wallSeconds() override;
};

}  // namespace tessio
