#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tessio.h"
#include "tessio/display/DisplayState.h"
#include "tests/tessio/display/Canvas.h"

namespace {

using tessio::test::Canvas;
using tessio::test::rgb;

TEST(ColorDisplay, PlanesAreDrawnAsTheirChannelsAtFullRange) {
    tessio::display::prepare();
    // Width 5: three-byte pixels make 15-byte rows, which the drawing pads to 16.
    const int width = 5, height = 3;
    std::vector<uint8_t> red(width * height), green(width * height), blue(width * height);
    for (int k = 0; k < width * height; ++k) {
        red[k] = static_cast<uint8_t>(k * 17);
        green[k] = static_cast<uint8_t>(255 - k * 3);
        blue[k] = static_cast<uint8_t>(k < 8 ? 0 : 250);
    }
    Canvas canvas(8, 5);
    DDScolor_display(canvas.dc(), 2, 1, width, height, red.data(), green.data(), blue.data());
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            const int k = r * width + c;
            ASSERT_EQ(canvas.at(2 + c, 1 + r), rgb(red[k], green[k], blue[k])) << r << "," << c;
        }
    EXPECT_TRUE(canvas.untouchedOutside(2, 1, width, height));
}

}  // namespace
