#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vector>

#include "tessio/include/tessio.h"
#include "tests/tessio/LibraryUnderTest.h"
#include "tests/tessio/display/Canvas.h"

namespace {

using tessio::test::Canvas;
using tessio::test::shown;

// The finished library as a program loads it: by file name, bound by name.
class TessioExports : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = dlopen(tessioLibraryUnderTest(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (library_) dlclose(library_);
    }
    void* symbol(const char* name) { return dlsym(library_, name); }

    void* library_ = nullptr;
};

TEST_F(TessioExports, DisplayRoutinesAreExportedUnderTheirNames) {
    for (const char* name : {"DDSdisplay", "DDScolor_display", "_DDShalf_disp@24", "DDSrect_disp",
                             "DDSstretch_disp", "DDSstretch_disp16", "DDSstretch_color_disp"})
        EXPECT_NE(symbol(name), nullptr) << name;
    // No symbol version "24" of a routine "_DDShalf_disp", and nothing internal.
    EXPECT_EQ(symbol("_DDShalf_disp"), nullptr);
    EXPECT_EQ(symbol("_ZN6tessio7display7prepareEv"), nullptr);
    EXPECT_EQ(symbol("_ZN6tessio7display5stateEv"), nullptr);
}

TEST_F(TessioExports, HalfSizeRoutineCarriesItsDecoratedName) {
    void* half = symbol("_DDShalf_disp@24");
    ASSERT_NE(half, nullptr);
    Dl_info info{};
    ASSERT_NE(dladdr(half, &info), 0);
    EXPECT_STREQ(info.dli_sname, "_DDShalf_disp@24");
}

TEST_F(TessioExports, OpenedLibraryDrawsIntoTheCallersContext) {
    // The display state is prepared by opening board 0, which also works without a board.
    auto open = reinterpret_cast<int32_t (*)()>(symbol("DDSopen_sys"));
    if (open == nullptr) GTEST_SKIP() << "this build of the library has no board access";
    open();
    auto half = reinterpret_cast<DDShalf_disp_function>(symbol("_DDShalf_disp@24"));
    ASSERT_NE(half, nullptr);
    // Drawn into a device context made by the test through the shared GDI stand-in.
    std::vector<uint8_t> source(6 * 4);
    for (std::size_t k = 0; k < source.size(); ++k) source[k] = static_cast<uint8_t>(10 * k);
    Canvas canvas(4, 3);
    EXPECT_NE(half(canvas.dc(), 0, 1, 3, 2, source.data()), 0);
    EXPECT_EQ(canvas.row(1, 0, 3), (std::vector<uint32_t>{shown(0), shown(20), shown(40)}));
    EXPECT_EQ(canvas.row(2, 0, 3), (std::vector<uint32_t>{shown(120), shown(140), shown(160)}));
    EXPECT_TRUE(canvas.untouchedOutside(0, 1, 3, 2));
}

}  // namespace
