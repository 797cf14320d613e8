#pragma once

#include <cstdio>

namespace tessio {

// The lines device discovery prints on standard output. Applications and their operators know
// them by these exact texts, so every backend prints them from here.

inline void printClassInfoError(int error) {
    std::printf("**Error: couldn't get class info, (%d)\n", error);
    std::fflush(stdout);
}

inline void printNoMoreItems(int index) {
    std::printf("**Error: couldn't find device(no more items), (%d)\n", index);
    std::fflush(stdout);
}

// The steps that only Windows' device enumeration has.

inline void printEnumError(int error) {
    std::printf("**Error: couldn't enum device, (%d)\n", error);
    std::fflush(stdout);
}

inline void printDetailSizeError(int error) {
    std::printf("**Error: couldn't get interface detail, (%d)\n", error);
    std::fflush(stdout);
}

inline void printDetailAllocationError() {
    std::printf("**Error: couldn't allocate interface detail\n");
    std::fflush(stdout);
}

inline void printDetailError(int error) {
    std::printf("**Error: couldn't get interface detail(2), (%d)\n", error);
    std::fflush(stdout);
}

}  // namespace tessio
