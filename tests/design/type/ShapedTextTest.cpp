#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {
namespace {

QImage canvas(double dpr) {
  QImage image(int(240 * dpr), int(60 * dpr), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(QColor(20, 30, 40));
  return image;
}

void prepare(QPainter& p, int size) {
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(inter(size, FontWeight::Semibold));
  p.setPen(QColor(230, 240, 250));
}

TEST(ShapedText, DrawsTheSamePixelsAsTheUncachedDrawingEveryTime) {
  struct Case {
    const char* text;
    int flags;
  };
  const Case cases[] = {
      {"Scan My Mac", Qt::AlignLeft | Qt::AlignVCenter},
      {"98 GB free", Qt::AlignCenter | Qt::TextSingleLine},
      {"Right aligned", Qt::AlignRight | Qt::AlignBottom},
      {"A line far too long to fit inside the rectangle it is given", Qt::AlignLeft | Qt::AlignVCenter},
      {"tab\tand\rreturn", Qt::AlignLeft | Qt::AlignTop},
      {"new\nline single", Qt::AlignLeft | Qt::TextSingleLine},
      // Taken by drawText itself: two lines, wrapping, a mnemonic.
      {"two\nlines", Qt::AlignLeft | Qt::AlignTop},
      {"wrapped words in a box", Qt::AlignLeft | Qt::TextWordWrap},
      {"&Mnemonic", Qt::AlignLeft | Qt::TextShowMnemonic},
      {"Trailing spaces   ", Qt::AlignHCenter | Qt::AlignVCenter},
      {"", Qt::AlignCenter},
      {"\u05e2\u05d1\u05e8\u05d9\u05ea and English", Qt::AlignRight | Qt::AlignVCenter},
  };
  for (const auto& [dpr, direction] : {std::pair{1.0, Qt::LayoutDirectionAuto},
                                       std::pair{2.0, Qt::LeftToRight}, std::pair{1.0, Qt::RightToLeft}}) {
    for (const Case& c : cases) {
      const QString text = QString::fromUtf8(c.text);
      QImage direct = canvas(dpr);
      {
        QPainter p(&direct);
        prepare(p, 15);
        p.setLayoutDirection(direction);
        p.drawText(QRectF(10.5, 8, 200, 40), c.flags, text);
      }
      // Twice: the first draw shapes, the second reuses.
      for (int round = 0; round < 2; ++round) {
        QImage cached = canvas(dpr);
        {
          QPainter p(&cached);
          prepare(p, 15);
          p.setLayoutDirection(direction);
          drawShapedText(p, QRectF(10.5, 8, 200, 40), c.flags, text);
        }
        EXPECT_EQ(cached, direct) << c.text << " at " << dpr << ", round " << round;
      }
    }
  }
}

TEST(ShapedText, AtABaselineAsDrawTextDrawsIt) {
  for (const char* text : {"0", "12.4 GB", "x\ty"}) {
    QImage direct = canvas(1), cached = canvas(1);
    {
      QPainter p(&direct);
      prepare(p, 20);
      p.drawText(QPointF(12.25, 40), QString::fromUtf8(text));
    }
    {
      QPainter p(&cached);
      prepare(p, 20);
      drawShapedText(p, QPointF(12.25, 40), QString::fromUtf8(text));
    }
    EXPECT_EQ(cached, direct) << text;
  }
}

TEST(ShapedText, ShapesALineOncePerFontAndResolution) {
  const QString text = QStringLiteral("Shaped once, drawn often");
  const int before = shapedTextLayouts();
  for (int i = 0; i < 5; ++i) {
    QImage image = canvas(1);
    QPainter p(&image);
    prepare(p, 13);
    drawShapedText(p, QRectF(0, 0, 240, 60), Qt::AlignCenter, text);
  }
  EXPECT_EQ(shapedTextLayouts(), before + 1);
  {
    QImage image = canvas(1);
    QPainter p(&image);
    prepare(p, 14);  // another size is another layout
    drawShapedText(p, QRectF(0, 0, 240, 60), Qt::AlignCenter, text);
  }
  EXPECT_EQ(shapedTextLayouts(), before + 2);
}

}  // namespace
}  // namespace tidewell::design
