// tessio_gdi_create_dc: a device context over the caller's own pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/tessio_gdi.h"
#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace {

using gdi::test::Info;

constexpr std::uint32_t kUntouched = 0xFF123456;

TEST(BufferContext, RefusesWhatCannotBeAPixelBuffer) {
    std::vector<std::uint32_t> pixels(64);
    void* p = pixels.data();
    EXPECT_EQ(tessio_gdi_create_dc(nullptr, 4, 4, 16), nullptr);
    EXPECT_EQ(tessio_gdi_create_dc(static_cast<char*>(p) + 2, 4, 4, 16), nullptr);  // unaligned
    EXPECT_EQ(tessio_gdi_create_dc(p, 0, 4, 16), nullptr);
    EXPECT_EQ(tessio_gdi_create_dc(p, 4, 0, 16), nullptr);
    EXPECT_EQ(tessio_gdi_create_dc(p, -4, 4, 16), nullptr);
    EXPECT_EQ(tessio_gdi_create_dc(p, 4, 4, 12), nullptr);   // rows shorter than the width
    EXPECT_EQ(tessio_gdi_create_dc(p, 4, 4, 18), nullptr);   // not whole pixels
    EXPECT_EQ(tessio_gdi_create_dc(p, 4, 4, -16), nullptr);  // rows go down
    // 2 GiB and more: as the stand-in refuses such bitmaps (the pixels are never touched here).
    EXPECT_EQ(tessio_gdi_create_dc(p, 0x4000, 0x8001, 0x10000), nullptr);
    EXPECT_EQ(tessio_gdi_create_dc(p, 4, 2, 0x7FFFFFF0), nullptr);
    HDC largest = tessio_gdi_create_dc(p, 1, 2, 0x7FFFFFF8);
    EXPECT_NE(largest, nullptr);
    EXPECT_EQ(tessio_gdi_delete_dc(largest), 1);
}

TEST(BufferContext, DrawsIntoTheCallersRowsAndLeavesTheRestAlone) {
    // 3 x 2 pixels in rows of 5: the two columns beyond the width are not the context's.
    std::vector<std::uint32_t> pixels(5 * 2, kUntouched);
    HDC dc = tessio_gdi_create_dc(pixels.data(), 3, 2, 5 * 4);
    ASSERT_NE(dc, nullptr);
    // A 24-bit DIB of 4 x 2 pixels, drawn at (1, 0): its right column and its rows below the
    // buffer's are clipped.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 3);
    HGDIOBJ stock = SelectObject(memory, bitmap);
    Info info(4, -3, 24);
    std::uint8_t bgr[3][12];
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            bgr[y][3 * x] = static_cast<std::uint8_t>(x);
            bgr[y][3 * x + 1] = static_cast<std::uint8_t>(y);
            bgr[y][3 * x + 2] = 0x80;
        }
    ASSERT_EQ(SetDIBits(memory, bitmap, 0, 3, bgr, info.get(), DIB_RGB_COLORS), 3);
    EXPECT_TRUE(BitBlt(dc, 1, 0, 4, 3, memory, 0, 0, SRCCOPY));
    const std::vector<std::uint32_t> expected = {
        kUntouched, 0x00800000, 0x00800001, kUntouched, kUntouched,
        kUntouched, 0x00800100, 0x00800101, kUntouched, kUntouched,
    };
    EXPECT_EQ(pixels, expected);
    // The caller may change its pixels between calls; the context reads them as they are.
    pixels[0] = 0x00010203;
    EXPECT_TRUE(BitBlt(memory, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
    std::uint32_t back = 0;
    HDC reader = tessio_gdi_create_dc(&back, 1, 1, 4);
    EXPECT_TRUE(BitBlt(reader, 0, 0, 1, 1, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(back, 0x00010203u);
    EXPECT_EQ(tessio_gdi_delete_dc(reader), 1);
    SelectObject(memory, stock);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(tessio_gdi_delete_dc(dc), 1);
}

TEST(BufferContext, KeepsItsBufferForItsWholeLife) {
    std::uint32_t pixels[4] = {};
    HDC dc = tessio_gdi_create_dc(pixels, 2, 2, 8);
    ASSERT_NE(dc, nullptr);
    HDC other = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(other, 2, 2);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
    EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), BLACKONWHITE);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_EQ(tessio_gdi_delete_dc(dc), 1);
    EXPECT_EQ(tessio_gdi_delete_dc(dc), 0);
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(BufferContext, OnlyItsOwnContextsAreDeletedByIt) {
    EXPECT_EQ(tessio_gdi_delete_dc(nullptr), 0);
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(tessio_gdi_delete_dc(memory), 0);
    EXPECT_TRUE(DeleteDC(memory));
    // DeleteDC deletes a buffer context too, with the bitmap over the buffer.
    std::uint32_t pixel = kUntouched;
    HDC dc = tessio_gdi_create_dc(&pixel, 1, 1, 4);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(tessio_gdi_delete_dc(dc), 0);
    EXPECT_EQ(pixel, kUntouched);
}

}  // namespace
