#pragma once

#include "tessio/board/DeviceBackend.h"

namespace tessio {

// Boards behind a POSIX driver: board n is the n-th of the character devices /dev/tessio<N>
// present, in ascending N. Control calls are ioctl(fd, code, buffer) with one buffer that holds
// the input on entry and the output on return; bulk data is read(2) and write(2).
class PosixBackend final : public DeviceBackend {
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
