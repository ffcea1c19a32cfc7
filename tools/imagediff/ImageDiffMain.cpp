// Compares two folders of PNG pictures pixel by pixel (scripts/compare-screens):
// for every picture of the first folder, the largest difference of one
// colour channel (alpha included) from the picture of the same name in the
// second, and how many pixels differ at all. Prints one line per picture
// that differs, then the largest difference and where it is.
//   tidewell_image_diff BEFORE_DIR AFTER_DIR [TOLERANCE]
// Exits 1 when a picture is missing, differs in size, or differs by more
// than TOLERANCE levels (default 0).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct Difference {
  int largest = 0;  // levels, of the worst channel of the worst pixel
  long pixels = 0;  // pixels that differ in any channel
  QPoint at;        // the first pixel with the largest difference
};

Difference compare(const QImage& a, const QImage& b) {
  Difference d;
  for (int y = 0; y < a.height(); ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if (ra[x] == rb[x]) continue;
      ++d.pixels;
      const int worst =
          std::max({std::abs(qRed(ra[x]) - qRed(rb[x])), std::abs(qGreen(ra[x]) - qGreen(rb[x])),
                    std::abs(qBlue(ra[x]) - qBlue(rb[x])), std::abs(qAlpha(ra[x]) - qAlpha(rb[x]))});
      if (worst > d.largest) d = {worst, d.pixels, QPoint(x, y)};
    }
  }
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tidewell_image_diff BEFORE_DIR AFTER_DIR [TOLERANCE]\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QDir before(QString::fromLocal8Bit(argv[1])), after(QString::fromLocal8Bit(argv[2]));
  const int tolerance = argc >= 4 ? std::atoi(argv[3]) : 0;
  int largest = 0, compared = 0, failures = 0;
  QString worstName;
  for (const QString& name : before.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
    const QImage a = QImage(before.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(after.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    if (b.isNull()) {
      std::printf("%s: missing after\n", qPrintable(name));
      ++failures;
      continue;
    }
    if (a.size() != b.size()) {
      std::printf("%s: size %dx%d before, %dx%d after\n", qPrintable(name), a.width(), a.height(), b.width(),
                  b.height());
      ++failures;
      continue;
    }
    ++compared;
    const Difference d = compare(a, b);
    if (d.pixels > 0)
      std::printf("%s: %ld pixels differ, largest %d levels at (%d, %d)\n", qPrintable(name), d.pixels,
                  d.largest, d.at.x(), d.at.y());
    if (d.largest > tolerance) ++failures;
    if (d.largest > largest) {
      largest = d.largest;
      worstName = name;
    }
  }
  std::printf("compared %d pictures: largest difference %d levels%s%s\n", compared, largest,
              worstName.isEmpty() ? "" : " in ", qPrintable(worstName));
  return failures ? 1 : 0;
}
