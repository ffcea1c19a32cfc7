#include "platform/linux/X11Backdrop.h"

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "testkit/support/VirtualDisplay.h"

namespace tidewell::platform {
namespace {

using Format = X11Backdrop::PixelFormat;

TEST(X11Backdrop, TakesOnlyPixelsLaidOutAsThePictureHasThem) {
  struct Case {
    Format format;
    bool hostIsLittleEndian;
    bool takes;
  };
  const Case cases[] = {
      {{24, 32, 0xff0000, 0x00ff00, 0x0000ff, true}, true, true},         // the usual true-colour screen
      {{32, 32, 0xff0000, 0x00ff00, 0x0000ff, true}, true, true},         // an ARGB visual
      {{24, 32, 0xff0000, 0x00ff00, 0x0000ff, false}, false, true},       // big-endian server and host
      {{24, 32, 0xff0000, 0x00ff00, 0x0000ff, false}, true, false},       // byte orders differ
      {{24, 32, 0x0000ff, 0x00ff00, 0xff0000, true}, true, false},        // blue and red swapped
      {{24, 24, 0xff0000, 0x00ff00, 0x0000ff, true}, true, false},        // packed 24-bit pixels
      {{16, 16, 0xf800, 0x07e0, 0x001f, true}, true, false},              // 16-bit colour
      {{30, 32, 0x3ff00000, 0x000ffc00, 0x000003ff, true}, true, false},  // 10 bits a colour
  };
  for (const Case& c : cases) {
    EXPECT_EQ(X11Backdrop::takesPicturePixels(c.format, c.hostIsLittleEndian), c.takes)
        << "depth " << c.format.depth << ", " << c.format.bitsPerPixel << " bits, red " << std::hex
        << c.format.redMask << ", lsb " << c.format.leastSignificantByteFirst;
  }
}

TEST(X11Backdrop, SplitsThePixelsIntoRequestsTheServerTakes) {
  struct Case {
    size_t maximumBytes;
    int width;
    int rows;
  };
  const Case cases[] = {
      {262140, 360, 182},   // (262140 - 24 header bytes) / 1440 bytes a row
      {24 + 1440, 360, 1},  // exactly one row
      {24 + 1439, 360, 0},  // not even one
      {24, 10, 0},          // only the header
      {0, 10, 0},
      {1000, 0, 0},                  // no width
      {size_t(1) << 32, 1, 0xffff},  // a request holds at most 65535 rows
  };
  for (const Case& c : cases)
    EXPECT_EQ(X11Backdrop::rowsPerRequest(c.maximumBytes, c.width), c.rows)
        << c.maximumBytes << " " << c.width;
}

uint32_t band(int y) {
  static const uint32_t colours[] = {0xffe53935, 0xff43a047, 0xff1e88e5, 0xfffdd835};
  return colours[y / 16];
}

TEST(X11Backdrop, AMappedWindowShowsItsPictureBeforeItsClientDrawsAnything) {
  testing::VirtualDisplay display("320x240x24", {"-wr"});
  if (!display.available()) GTEST_SKIP() << "Xvfb is not installed";
  xcb_connection_t* c = xcb_connect(display.name().c_str(), nullptr);
  ASSERT_EQ(xcb_connection_has_error(c), 0);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;

  // Four bands of 16 rows, each row padded with a colour that must never show.
  constexpr int kSize = 64, kStride = 80;
  constexpr uint32_t kPadding = 0xffff00ff;
  std::vector<uint32_t> pixels(size_t(kSize) * kStride, kPadding);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) pixels[size_t(y) * kStride + size_t(x)] = band(y);
  const X11Backdrop::Picture picture{kSize, kSize, pixels.data(), kStride};

  const xcb_window_t window = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, kSize, kSize, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  EXPECT_FALSE(X11Backdrop::set(c, window, {}));
  EXPECT_FALSE(X11Backdrop::set(c, window + 1000, picture)) << "no such window";
  // Five rows a request: thirteen requests, the last one short.
  ASSERT_TRUE(X11Backdrop::set(c, window, picture, 24 + 5 * kSize * 4));
  xcb_map_window(c, window);

  auto* image = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, kSize, kSize, ~0u), nullptr);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(xcb_get_image_data_length(image), kSize * kSize * 4);
  const auto* shown = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image));
  int wrong = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) wrong += (shown[y * kSize + x] & 0xffffff) != (band(y) & 0xffffff);
  EXPECT_EQ(wrong, 0) << "row 0: " << std::hex << shown[0] << ", row 63: " << shown[63 * kSize];
  std::free(image);
  xcb_disconnect(c);
}

}  // namespace
}  // namespace tidewell::platform
