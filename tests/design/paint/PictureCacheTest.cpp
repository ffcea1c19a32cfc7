#include "design/paint/PictureCache.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <vector>

#include "design/paint/PaintKey.h"

namespace tidewell::design {
namespace {

// 10 x 10 ARGB32: 400 bytes.
QImage square(QRgb colour) {
  QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

TEST(PictureCache, RendersEachLookOnceAndSharesIt) {
  PictureCache<QImage> cache(1 << 20);
  int renders = 0;
  const auto red = [&] {
    ++renders;
    return square(qRgb(255, 0, 0));
  };
  const QImage first = cache.picture(PaintKey().add(QString("ring"), 0.5), red);
  const QImage again = cache.picture(PaintKey().add(QString("ring"), 0.5), red);
  EXPECT_EQ(renders, 1);
  EXPECT_EQ(again.cacheKey(), first.cacheKey());
  cache.picture(PaintKey().add(QString("ring"), 0.75), red);
  EXPECT_EQ(renders, 2);

  // Nothing to draw is returned and asked for again next time.
  const auto nothing = [&] {
    ++renders;
    return QImage();
  };
  EXPECT_TRUE(cache.picture(7, nothing).isNull());
  EXPECT_TRUE(cache.picture(7, nothing).isNull());
  EXPECT_EQ(renders, 4);
}

TEST(PictureCache, APictureBeyondTheBudgetDropsTheLeastRecentlyUsed) {
  PictureCache<QImage> cache(800);  // two squares
  std::vector<uint64_t> rendered;
  const auto picture = [&](uint64_t key) {
    return cache.picture(key, [&] {
      rendered.push_back(key);
      return square(qRgb(0, 0, 255));
    });
  };
  picture(1);
  picture(2);
  picture(1);  // 2 is now the least recently used
  picture(3);
  picture(1);
  picture(2);
  EXPECT_EQ(rendered, (std::vector<uint64_t>{1, 2, 3, 2}));

  // One picture larger than the whole budget is drawn but never kept.
  PictureCache<QImage> small(100);
  int renders = 0;
  const auto green = [&] {
    ++renders;
    return square(qRgb(0, 255, 0));
  };
  EXPECT_EQ(small.picture(1, green).size(), QSize(10, 10));
  EXPECT_EQ(small.picture(1, green).size(), QSize(10, 10));
  EXPECT_EQ(renders, 2);
}

TEST(PictureCache, KeepsPixmapsByTheirPixelBytes) {
  PictureCache<QPixmap> cache(800);
  int renders = 0;
  const auto pixmap = [&](uint64_t key) {
    return cache.picture(key, [&] {
      ++renders;
      return QPixmap::fromImage(square(qRgb(9, 9, 9)));
    });
  };
  pixmap(1);
  pixmap(2);
  pixmap(1);
  pixmap(2);
  EXPECT_EQ(renders, 2);
  pixmap(3);  // a third does not fit beside the two
  pixmap(1);
  EXPECT_EQ(renders, 4);
}

}  // namespace
}  // namespace tidewell::design
