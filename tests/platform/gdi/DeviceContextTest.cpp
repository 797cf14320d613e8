#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace {

using gdi::test::Info;

TEST(DeviceContext, SelectingReturnsTheBitmapSelectedBefore) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HBITMAP first = CreateCompatibleBitmap(dc, 4, 4);
    HBITMAP second = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ stock = SelectObject(dc, first);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_EQ(SelectObject(dc, stock), second);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_TRUE(DeleteObject(second));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(DeviceContext, SelectedBitmapIsKeptUntilItsContextLetsGo) {
    HDC dc = CreateCompatibleDC(nullptr);
    HDC other = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    HGDIOBJ stock = SelectObject(dc, bitmap);
    EXPECT_FALSE(DeleteObject(bitmap));
    // A bitmap lives in one context at a time.
    EXPECT_EQ(SelectObject(other, bitmap), nullptr);
    // Deleting the context releases its bitmap, which stays the caller's.
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(SelectObject(other, bitmap), stock);
    EXPECT_FALSE(DeleteObject(bitmap));
    SelectObject(other, stock);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(other));
}

TEST(DeviceContext, DeletedAndForeignHandlesAreRefused) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
    int notAHandle = 0;
    EXPECT_EQ(SelectObject(dc, &notAHandle), nullptr);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(&notAHandle)), nullptr);
    EXPECT_FALSE(DeleteObject(dc));  // a context is not an object for DeleteObject
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(CreateCompatibleBitmap(dc, 2, 2), nullptr);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
}

TEST(DeviceContext, DibSectionOnlyIn32BitsAndWithoutAFileMapping) {
    void* bits = &bits;
    EXPECT_EQ(CreateDIBSection(nullptr, Info(4, 4, 24).get(), DIB_RGB_COLORS, &bits, nullptr, 0),
              nullptr);
    EXPECT_EQ(bits, nullptr);
    int mapping = 0;
    EXPECT_EQ(CreateDIBSection(nullptr, Info(4, 4, 32).get(), DIB_RGB_COLORS, &bits, &mapping, 0),
              nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, Info(0, 4, 32).get(), DIB_RGB_COLORS, &bits, nullptr, 0),
              nullptr);
    HBITMAP dib =
        CreateDIBSection(nullptr, Info(3, 2, 32).get(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    ASSERT_NE(bits, nullptr);
    const uint32_t zero[6] = {};
    EXPECT_EQ(std::memcmp(bits, zero, sizeof zero), 0);
    EXPECT_TRUE(DeleteObject(dib));
}

TEST(Version, ReportsTheNtFamilyForARecordOf148Bytes) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(version.dwMajorVersion, 6u);
    OSVERSIONINFOA wrong{};
    wrong.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExA(&wrong));
    EXPECT_EQ(wrong.dwPlatformId, 0u);
}

}  // namespace
