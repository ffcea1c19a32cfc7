#pragma once
// Pictures shared by every widget that draws the same look: a ring gauge at
// a progress, a glossy tile, a glow, a shadow, a tinted glyph. Each kind of
// picture keeps one cache beside its drawing, keyed by a PaintKey of
// everything the picture depends on (its device pixel ratio included) and
// bounded by a budget of bytes; when a new picture would pass the budget,
// the least recently used ones go first. A null picture (nothing to draw)
// is returned but never kept.
//
// This is for pictures many widgets ask for by their look; a widget that
// keeps its own painting between repaints uses a PaintCache instead.
// Picture is QImage or QPixmap. GUI thread only.

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <utility>

namespace tidewell::design {

inline qsizetype pictureBytes(const QImage& image) { return image.sizeInBytes(); }
inline qsizetype pictureBytes(const QPixmap& pixmap) {
  return qsizetype(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

template <typename Picture>
class PictureCache {
 public:
  explicit PictureCache(qsizetype budgetBytes) : pictures_(budgetBytes) {}

  // The picture kept for key, else the one render() makes, kept unless it
  // is null.
  template <typename Render>
  Picture picture(uint64_t key, Render&& render) {
    if (const Picture* kept = pictures_.object(key)) return *kept;
    Picture made = std::forward<Render>(render)();
    if (!made.isNull()) pictures_.insert(key, new Picture(made), pictureBytes(made));
    return made;
  }

 private:
  QCache<uint64_t, Picture> pictures_;
};

}  // namespace tidewell::design
