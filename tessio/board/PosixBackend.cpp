#include "tessio/board/PosixBackend.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "tessio/board/DiscoveryMessages.h"

namespace tessio {

namespace {

constexpr const char* kDeviceFolder = "/dev";
constexpr const char* kDevicePrefix = "tessio";

// The N of "tessio<N>", or -1 for any other name.
long deviceNumber(const char* name) {
    const std::size_t prefix = std::strlen(kDevicePrefix);
    if (std::strncmp(name, kDevicePrefix, prefix) != 0) return -1;
    const char* digits = name + prefix;
    const std::size_t count = std::strlen(digits);
    if (count == 0 || count > 9) return -1;
    if (!std::all_of(digits, digits + count, [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::strtol(digits, nullptr, 10);
}

// The numbers of the board devices present, ascending; false when the folder cannot be read.
bool presentDevices(std::vector<long>& numbers, int& error) {
    DIR* folder = opendir(kDeviceFolder);
    if (folder == nullptr) {
        error = errno;
        return false;
    }
    while (const dirent* entry = readdir(folder)) {
        const long number = deviceNumber(entry->d_name);
        struct stat info {};
        if (number >= 0 && fstatat(dirfd(folder), entry->d_name, &info, 0) == 0 &&
            S_ISCHR(info.st_mode))
            numbers.push_back(number);
    }
    closedir(folder);
    std::sort(numbers.begin(), numbers.end());
    return true;
}

}  // namespace

DeviceHandle PosixBackend::openDevice(int n) {
    std::vector<long> numbers;
    int error = 0;
    if (!presentDevices(numbers, error)) {
        printClassInfoError(error);
        return kInvalidDevice;
    }
    // Enumeration walks the indexes 0..n and fails at the first one without a device.
    if (static_cast<std::size_t>(n) >= numbers.size()) {
        printNoMoreItems(static_cast<int>(numbers.size()));
        return kInvalidDevice;
    }
    char path[64];
    std::snprintf(path, sizeof path, "%s/%s%ld", kDeviceFolder, kDevicePrefix, numbers[n]);
    const int fd = open(path, O_RDWR | O_CLOEXEC);
    return fd < 0 ? kInvalidDevice : fd;
}

void PosixBackend::closeDevice(DeviceHandle device) {
    if (device != kInvalidDevice) close(static_cast<int>(device));
}

bool PosixBackend::control(DeviceHandle device, std::uint32_t code, const void* in,
                           std::uint32_t inSize, void* out, std::uint32_t outSize) {
    std::vector<unsigned char> buffer(std::max<std::uint32_t>({inSize, outSize, 1}));
    if (inSize > 0) std::memcpy(buffer.data(), in, inSize);
    int result;
    do {
        result = ioctl(static_cast<int>(device), code, buffer.data());
    } while (result == -1 && errno == EINTR);
    if (result == -1) return false;
    if (outSize > 0) std::memcpy(out, buffer.data(), outSize);
    return true;
}

bool PosixBackend::bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                            std::uint32_t* moved) {
    ssize_t result;
    do {
        result = read(static_cast<int>(device), buffer, length);
    } while (result == -1 && errno == EINTR);
    *moved = result > 0 ? static_cast<std::uint32_t>(result) : 0;
    return result >= 0;
}

bool PosixBackend::bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                             std::uint32_t* moved) {
    ssize_t result;
    do {
        result = write(static_cast<int>(device), buffer, length);
    } while (result == -1 && errno == EINTR);
    *moved = result > 0 ? static_cast<std::uint32_t>(result) : 0;
    return result >= 0;
}

std::uint32_t PosixBackend::tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

std::int64_t PosixBackend::wallSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace tessio
