#pragma once

#include <cstdlib>

// The library the exports tests load: this build's, or the one TESSIO_LIBRARY_UNDER_TEST names
// (the install test points it at the installed library).
inline const char* tessioLibraryUnderTest() {
    const char* named = std::getenv("TESSIO_LIBRARY_UNDER_TEST");
    return named != nullptr && *named != '\0' ? named : TESSIO_LIBRARY;
}
