#include "platform/linux/X11Backdrop.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "platform/linux/XcbReply.h"

namespace tidewell::platform {

namespace {

// A PutImage request's fixed part.
constexpr size_t kPutImageHeaderBytes = 24;

std::optional<X11Backdrop::PixelFormat> formatOf(xcb_connection_t* c, uint8_t depth, xcb_visualid_t visual) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  X11Backdrop::PixelFormat format;
  format.depth = depth;
  format.leastSignificantByteFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
  for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
    if (it.data->depth == depth) format.bitsPerPixel = it.data->bits_per_pixel;
  }
  for (auto screen = xcb_setup_roots_iterator(setup); screen.rem > 0; xcb_screen_next(&screen)) {
    for (auto d = xcb_screen_allowed_depths_iterator(screen.data); d.rem > 0; xcb_depth_next(&d)) {
      for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v)) {
        if (v.data->visual_id != visual) continue;
        format.redMask = v.data->red_mask;
        format.greenMask = v.data->green_mask;
        format.blueMask = v.data->blue_mask;
        return format;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

bool X11Backdrop::takesPicturePixels(const PixelFormat& format, bool hostIsLittleEndian) {
  return (format.depth == 24 || format.depth == 32) && format.bitsPerPixel == 32 &&
         format.redMask == 0xff0000 && format.greenMask == 0x00ff00 && format.blueMask == 0x0000ff &&
         format.leastSignificantByteFirst == hostIsLittleEndian;
}

int X11Backdrop::rowsPerRequest(size_t maximumRequestBytes, int width) {
  if (width <= 0 || maximumRequestBytes <= kPutImageHeaderBytes) return 0;
  const size_t rowBytes = size_t(width) * 4;
  return int(std::min<size_t>((maximumRequestBytes - kPutImageHeaderBytes) / rowBytes, 0xffff));
}

bool X11Backdrop::set(xcb_connection_t* c, uint32_t window, const Picture& picture) {
  if (!c || xcb_connection_has_error(c)) return false;
  return set(c, window, picture, size_t(xcb_get_maximum_request_length(c)) * 4);
}

bool X11Backdrop::set(xcb_connection_t* c, uint32_t window, const Picture& picture,
                      size_t maximumRequestBytes) {
  if (!c || xcb_connection_has_error(c) || window == XCB_WINDOW_NONE || picture.width <= 0 ||
      picture.height <= 0 || picture.width > 0x7fff || picture.height > 0x7fff || !picture.pixels ||
      picture.stride < picture.width)
    return false;
  const auto geometryCookie = xcb_get_geometry(c, window);
  const auto attributesCookie = xcb_get_window_attributes(c, window);
  // A failed lookup's error comes back here, not among the caller's events.
  xcb_generic_error_t* geometryError = nullptr;
  xcb_generic_error_t* attributesError = nullptr;
  const auto geometry = owned(xcb_get_geometry_reply(c, geometryCookie, &geometryError));
  const auto attributes = owned(xcb_get_window_attributes_reply(c, attributesCookie, &attributesError));
  std::free(geometryError);
  std::free(attributesError);
  if (!geometry || !attributes) return false;
  const auto format = formatOf(c, geometry->depth, attributes->visual);
  if (!format || !takesPicturePixels(*format, std::endian::native == std::endian::little)) return false;
  const int rows = rowsPerRequest(maximumRequestBytes, picture.width);
  if (rows == 0) return false;

  const xcb_pixmap_t pixmap = xcb_generate_id(c);
  xcb_create_pixmap(c, geometry->depth, pixmap, window, uint16_t(picture.width), uint16_t(picture.height));
  const xcb_gcontext_t gc = xcb_generate_id(c);
  xcb_create_gc(c, gc, pixmap, 0, nullptr);
  std::vector<uint32_t> strip;
  for (int top = 0; top < picture.height; top += rows) {
    const int count = std::min(rows, picture.height - top);
    const uint32_t* first = picture.pixels + size_t(top) * size_t(picture.stride);
    if (picture.stride != picture.width) {
      // PutImage takes rows back to back.
      strip.resize(size_t(count) * size_t(picture.width));
      for (int r = 0; r < count; ++r)
        std::copy_n(first + size_t(r) * size_t(picture.stride), picture.width,
                    strip.begin() + ptrdiff_t(r) * picture.width);
      first = strip.data();
    }
    xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, uint16_t(picture.width), uint16_t(count), 0,
                  int16_t(top), 0, geometry->depth, uint32_t(count) * uint32_t(picture.width) * 4,
                  reinterpret_cast<const uint8_t*>(first));
  }
  xcb_change_window_attributes(c, window, XCB_CW_BACK_PIXMAP, &pixmap);
  // The window holds on to the pixmap; our names for it can go.
  xcb_free_gc(c, gc);
  xcb_free_pixmap(c, pixmap);
  return true;
}

}  // namespace tidewell::platform
