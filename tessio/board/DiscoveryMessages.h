#pragma once

#include <cstdio>

namespace tessio {

// The lines device discovery prints on standard output. Applications and their operators know
// them by these exact texts, so every backend prints them from here.

// One line, out at once: a program that dies next still shows it.
template <typename... Number>
void printLine(const char* format, Number... number) {
    std::printf(format, number...);
    std::fflush(stdout);
}

inline void printClassInfoError(int error) {
    printLine("**Error: couldn't get class info, (%d)\n", error);
}

inline void printNoMoreItems(int index) {
    printLine("**Error: couldn't find device(no more items), (%d)\n", index);
}

// The steps that only Windows' device enumeration has.

inline void printEnumError(int error) {
    printLine("**Error: couldn't enum device, (%d)\n", error);
}

inline void printDetailSizeError(int error) {
    printLine("**Error: couldn't get interface detail, (%d)\n", error);
}

inline void printDetailAllocationError() {
    printLine("%s", "**Error: couldn't allocate interface detail\n");
}

inline void printDetailError(int error) {
    printLine("**Error: couldn't get interface detail(2), (%d)\n", error);
}

}  // namespace tessio
