#include "design/BackdropFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tidewell::design {

namespace {

// Where output pixel i samples a source of n pixels stretched by factor,
// as the pixel-centre rule of bilinear scaling has it: the lower source
// pixel and the weight of the upper one, in 256ths.
struct Tap {
  int lower;
  int upper;
  uint32_t weight;
};

std::vector<Tap> taps(int outputs, int n, double factor) {
  std::vector<Tap> result(size_t(std::max(outputs, 0)));
  for (int i = 0; i < outputs; ++i) {
    const double s = (i + 0.5) / factor - 0.5;
    const double lower = std::floor(s);
    const int l = int(lower);
    result[size_t(i)] = {std::clamp(l, 0, n - 1), std::clamp(l + 1, 0, n - 1),
                         uint32_t(std::lround((s - lower) * 256))};
  }
  return result;
}

// One source row stretched to the output's width, in 256ths of a level.
void stretchRow(const uint8_t* source, const std::vector<Tap>& columns, std::vector<uint32_t>& out) {
  out.resize(columns.size() * 4);
  uint32_t* o = out.data();
  for (const Tap& t : columns) {
    const uint8_t* a = source + t.lower * 4;
    const uint8_t* b = source + t.upper * 4;
    for (int c = 0; c < 4; ++c) o[c] = a[c] * (256 - t.weight) + b[c] * t.weight;
    o += 4;
  }
}

}  // namespace

QImage composeBackdrop(const QImage& wash, QSize pixels, double factor, const QImage& grain) {
  if (pixels.isEmpty() || wash.isNull() || grain.isNull() || factor <= 0) return {};
  const QImage source =
      wash.format() == QImage::Format_RGB32 ? wash : wash.convertToFormat(QImage::Format_RGB32);
  const QImage tile =
      grain.format() == QImage::Format_RGB32 ? grain : grain.convertToFormat(QImage::Format_RGB32);
  const int width = pixels.width(), height = pixels.height();
  const std::vector<Tap> columns = taps(width, source.width(), factor);
  const std::vector<Tap> rows = taps(height, source.height(), factor);

  // The grain repeated across one output row, one row of the tile each.
  const int side = tile.width(), tileRows = tile.height();
  std::vector<std::vector<uint8_t>> grainRows(size_t(tileRows), std::vector<uint8_t>(size_t(width) * 4));
  for (int y = 0; y < tileRows; ++y) {
    const uint8_t* in = tile.constScanLine(y);
    uint8_t* out = grainRows[size_t(y)].data();
    for (int x = 0; x < width; ++x) std::copy_n(in + (x % side) * 4, 4, out + x * 4);
  }

  QImage frame(pixels, QImage::Format_RGB32);
  std::vector<uint32_t> upper, lower;
  int upperRow = -1, lowerRow = -1;
  const size_t bytes = size_t(width) * 4;
  for (int y = 0; y < height; ++y) {
    const Tap& r = rows[size_t(y)];
    // Rows go down the source in order, so each is stretched once.
    if (r.lower != lowerRow) {
      if (r.lower == upperRow) {
        lower.swap(upper);
        upperRow = -1;
      } else {
        stretchRow(source.constScanLine(r.lower), columns, lower);
      }
      lowerRow = r.lower;
    }
    if (r.upper != upperRow) {
      stretchRow(source.constScanLine(r.upper), columns, upper);
      upperRow = r.upper;
    }
    const uint32_t wu = r.weight, wl = 256 - wu;
    const uint32_t* a = lower.data();
    const uint32_t* b = upper.data();
    const uint8_t* g = grainRows[size_t(y % tileRows)].data();
    uint8_t* out = frame.scanLine(y);
    for (size_t i = 0; i < bytes; ++i) {
      const uint32_t v = (a[i] * wl + b[i] * wu + (1u << 15)) >> 16;
      out[i] = uint8_t(std::min<uint32_t>(255, v + g[i]));
    }
  }
  return frame;
}

}  // namespace tidewell::design
