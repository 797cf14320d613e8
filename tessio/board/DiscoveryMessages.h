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

}  // namespace tessio
