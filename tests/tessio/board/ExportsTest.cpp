// The shared library as applications load it: every board export by its plain name, nothing else.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "tessio/include/tessio.h"
#include "tests/tessio/LibraryUnderTest.h"

namespace {

const char* const kBoardExports[] = {
    "getver",    "getid",       "open",       "close",        "reset",         "read_mem",
    "write_mem", "read_reg",    "write_reg",  "read_pci_reg", "write_pci_reg", "dspdmaadr",
    "read",      "write",       "read_image", "read_image16", "write_image",   "write_image16",
    "gets2",     "puts2",       "set_msg",    "read_msg",     "chk_msg",       "stat",
    "write_int", "write_byte",  "write_long", "write_double", "putc",          "puts",
    "read_int",  "getc",        "read_byte",  "read_long",    "read_intm",     "read_double",
    "gets",      "reset_timer", "laptime",    "set_timeout",  "open_sys",
};

TEST(TessioBoardExports, EveryBoardExportHasItsDdmAndDdsName) {
    void* library = dlopen(tessioLibraryUnderTest(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char* name : kBoardExports)
        for (const char* prefix : {"DDM", "DDS"}) {
            const std::string symbol = std::string(prefix) + name;
            EXPECT_NE(dlsym(library, symbol.c_str()), nullptr) << symbol;
        }
    // The library's inner workings stay hidden.
    EXPECT_EQ(dlsym(library, "_ZN6tessio7backendEv"), nullptr);
    EXPECT_EQ(dlsym(library, "_ZN6tessio5board10boardTableEv"), nullptr);
    dlclose(library);
}

TEST(TessioBoardExports, VersionAndBadBoardNumbersThroughTheLoadedLibrary) {
    void* library = dlopen(tessioLibraryUnderTest(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Query = int32_t (*)(int32_t);
    const auto getver = reinterpret_cast<Query>(dlsym(library, "DDMgetver"));
    const auto readInt = reinterpret_cast<Query>(dlsym(library, "DDMread_int"));
    ASSERT_NE(getver, nullptr);
    ASSERT_NE(readInt, nullptr);
    EXPECT_EQ(getver(7), 120);
    EXPECT_EQ(getver(8), -1);
    EXPECT_EQ(readInt(-1), static_cast<int32_t>(0xFFFF0000u));
    dlclose(library);
}

// The header's version is the project's, and the library under test (this build's, or the
// installed one in the install test) returns it from DDMgetver as MAJOR * 100 + MINOR * 10.
TEST(TessioBoardExports, DdmGetverAgreesWithTheHeadersVersion) {
    EXPECT_EQ(std::to_string(TESSIO_VERSION_MAJOR) + "." + std::to_string(TESSIO_VERSION_MINOR) +
                  "." + std::to_string(TESSIO_VERSION_PATCH),
              TESSIO_PROJECT_VERSION);
    EXPECT_EQ(TESSIO_VERSION_NUMBER, TESSIO_VERSION_MAJOR * 100 + TESSIO_VERSION_MINOR * 10);
    void* library = dlopen(tessioLibraryUnderTest(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Query = int32_t (*)(int32_t);
    using Plain = int32_t (*)();
    const auto getver = reinterpret_cast<Query>(dlsym(library, "DDMgetver"));
    const auto plain = reinterpret_cast<Plain>(dlsym(library, "DDSgetver"));
    ASSERT_NE(getver, nullptr);
    ASSERT_NE(plain, nullptr);
    for (int32_t board = 0; board < 8; ++board) EXPECT_EQ(getver(board), TESSIO_VERSION_NUMBER);
    EXPECT_EQ(plain(), TESSIO_VERSION_NUMBER);
    dlclose(library);
}

}  // namespace
