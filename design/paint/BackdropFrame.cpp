#include "design/paint/BackdropFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// One source row stretched to the output's width, rounded to a level: the
// two source pixels of each output pixel gathered side by side, then
// blended with that pixel's weight in vector lanes.
struct Stretch {
  std::vector<uint8_t> lower, upper;  // per output byte
  std::vector<uint16_t> weights;      // per output byte, of upper
};

using Bytes8 = uint8_t __attribute__((vector_size(8)));
using Lanes8 = uint16_t __attribute__((vector_size(16)));

void stretchRow(const uint8_t* source, const std::vector<Tap>& columns, Stretch& scratch,
                std::vector<uint8_t>& out) {
  const size_t n = columns.size() * 4;
  scratch.lower.resize(n);
  scratch.upper.resize(n);
  out.resize(n);
  uint8_t* lo = scratch.lower.data();
  uint8_t* up = scratch.upper.data();
  for (const Tap& t : columns) {
    std::memcpy(lo, source + t.lower * 4, 4);
    std::memcpy(up, source + t.upper * 4, 4);
    lo += 4;
    up += 4;
  }
  const uint16_t* w = scratch.weights.data();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    Bytes8 a8, b8;
    Lanes8 wu;
    std::memcpy(&a8, scratch.lower.data() + i, 8);
    std::memcpy(&b8, scratch.upper.data() + i, 8);
    std::memcpy(&wu, w + i, 16);
    const Lanes8 v =
        (__builtin_convertvector(a8, Lanes8) * (256 - wu) + __builtin_convertvector(b8, Lanes8) * wu + 128) >>
        8;
    const Bytes8 o = __builtin_convertvector(v, Bytes8);
    std::memcpy(out.data() + i, &o, 8);
  }
  for (; i < n; ++i) out[i] = uint8_t((scratch.lower[i] * (256 - w[i]) + scratch.upper[i] * w[i] + 128) >> 8);
}

// Blends a run of bytes of two stretched rows and adds the grain, eight
// bytes at a time in 16-bit lanes (the compiler's vector types give SSE2
// code on x86-64 and NEON on ARM), the tail one byte at a time.
void blendRun(const uint8_t* a, const uint8_t* b, const uint8_t* grain, uint8_t* out, size_t n, uint16_t wu) {
  const uint16_t wl = uint16_t(256 - wu);
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    Bytes8 a8, b8, g8;
    std::memcpy(&a8, a + i, 8);
    std::memcpy(&b8, b + i, 8);
    std::memcpy(&g8, grain + i, 8);
    const Lanes8 av = __builtin_convertvector(a8, Lanes8), bv = __builtin_convertvector(b8, Lanes8);
    Lanes8 v = ((av * wl + bv * wu + 128) >> 8) + __builtin_convertvector(g8, Lanes8);
    v = v > 255 ? Lanes8{} + 255 : v;
    const Bytes8 o = __builtin_convertvector(v, Bytes8);
    std::memcpy(out + i, &o, 8);
  }
  for (; i < n; ++i) {
    const uint16_t v = uint16_t(uint16_t(a[i] * wl + b[i] * wu + 128) >> 8) + grain[i];
    out[i] = uint8_t(v > 255 ? 255 : v);
  }
}

}  // namespace

QImage composeBackdrop(const QImage& wash, QSize pixels, double factor, const QImage& grain, QImage reuse) {
  if (pixels.isEmpty() || wash.isNull() || grain.isNull() || factor <= 0) return {};
  const QImage source =
      wash.format() == QImage::Format_RGB32 ? wash : wash.convertToFormat(QImage::Format_RGB32);
  const QImage tile =
      grain.format() == QImage::Format_RGB32 ? grain : grain.convertToFormat(QImage::Format_RGB32);
  const int width = pixels.width(), height = pixels.height();
  const std::vector<Tap> columns = taps(width, source.width(), factor);
  const std::vector<Tap> rows = taps(height, source.height(), factor);
  const int side = tile.width(), tileRows = tile.height();

  QImage frame = reuse.size() == pixels && reuse.format() == QImage::Format_RGB32
                     ? std::move(reuse)
                     : QImage(pixels, QImage::Format_RGB32);
  Stretch scratch;
  scratch.weights.resize(columns.size() * 4);
  for (size_t x = 0; x < columns.size(); ++x)
    std::fill_n(scratch.weights.begin() + std::ptrdiff_t(x * 4), 4, uint16_t(columns[x].weight));
  std::vector<uint8_t> upper, lower;
  int upperRow = -1, lowerRow = -1;
  for (int y = 0; y < height; ++y) {
    const Tap& r = rows[size_t(y)];
    // Rows go down the source in order, so each is stretched once.
    if (r.lower != lowerRow) {
      if (r.lower == upperRow) {
        lower.swap(upper);
        upperRow = -1;
      } else {
        stretchRow(source.constScanLine(r.lower), columns, scratch, lower);
      }
      lowerRow = r.lower;
    }
    if (r.upper != upperRow) {
      stretchRow(source.constScanLine(r.upper), columns, scratch, upper);
      upperRow = r.upper;
    }
    const uint8_t* grainRow = tile.constScanLine(y % tileRows);
    uint8_t* out = frame.scanLine(y);
    // The grain repeats every side pixels from the frame's corner.
    for (int x = 0; x < width; x += side) {
      const size_t n = size_t(std::min(side, width - x)) * 4, at = size_t(x) * 4;
      blendRun(lower.data() + at, upper.data() + at, grainRow, out + at, n, uint16_t(r.weight));
    }
  }
  return frame;
}

}  // namespace tidewell::design
