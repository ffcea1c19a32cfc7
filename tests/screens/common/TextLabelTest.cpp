#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/common/layout/WidthCap.h"
#include "screens/common/views/IconLabel.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/common/views/TextLines.h"
#include "testkit/probe/Probe.h"

namespace tidewell::screens {
namespace {

using design::FontWeight;

class TextLabelTest : public ::testing::Test {
 protected:
  void SetUp() override { probe::prepare(); }
  static double widthOf(const QString& text, const TextLook& style) { return naturalTextWidth(text, style); }
};

const QString kLong = QStringLiteral(
    "Renders exports for Premiere Pro & After Effects in the background. Keep it if you export video.");

TEST_F(TextLabelTest, OneLineIsCutWhereTheLookSays) {
  const TextLook end = textLook(12.5, FontWeight::Medium);
  const QString name = QStringLiteral("com.example.very-long-application-name-Helper.app");
  const double narrow = widthOf(name, end) / 2;
  struct Case {
    Qt::TextElideMode mode;
    bool keepsStart, keepsEnd;
  };
  const Case cases[] = {
      {Qt::ElideRight, true, false}, {Qt::ElideMiddle, true, true}, {Qt::ElideLeft, false, true}};
  for (const Case& c : cases) {
    const QStringList lines = layOutLines(name, end.elided(c.mode), narrow);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QChar(0x2026))) << lines[0].toStdString();
    EXPECT_EQ(lines[0].startsWith(QStringLiteral("com.ex")), c.keepsStart) << lines[0].toStdString();
    EXPECT_EQ(lines[0].endsWith(QStringLiteral(".app")), c.keepsEnd) << lines[0].toStdString();
    EXPECT_LE(widthOf(lines[0], end), narrow + 0.5);
  }
  // A text that fits, and one line breaks joined into one line.
  EXPECT_EQ(layOutLines(QStringLiteral("Short"), end, 500), QStringList{"Short"});
  EXPECT_EQ(layOutLines(QStringLiteral("a\nb"), end, 500), QStringList{"a b"});
  EXPECT_TRUE(layOutLines(QString(), end, 500).isEmpty());
}

TEST_F(TextLabelTest, WrappedTextStopsAfterItsLastLineWithAnEllipsis) {
  const TextLook note = textLook(11, FontWeight::Regular);
  const double width = widthOf(kLong, note) / 3.2;  // about four lines of text
  const QStringList two = layOutLines(kLong, note.lines(2), width);
  ASSERT_EQ(two.size(), 2);
  EXPECT_TRUE(two[1].endsWith(QChar(0x2026)));
  EXPECT_FALSE(two[0].endsWith(QChar(0x2026)));
  EXPECT_TRUE(kLong.startsWith(two[0]));
  for (const QString& line : two) EXPECT_LE(widthOf(line, note), width + 0.5);

  const QStringList all = layOutLines(kLong, note.lines(0), width);
  EXPECT_GE(all.size(), 4);
  EXPECT_EQ(all.join(QLatin1Char(' ')), kLong);

  // Explicit line breaks are kept when the text may wrap.
  const QString card =
      QStringLiteral("Your chats and memory\nYour projects, code and git\nYour keys and credentials");
  EXPECT_EQ(
      layOutLines(card, note.lines(0), 1000),
      (QStringList{"Your chats and memory", "Your projects, code and git", "Your keys and credentials"}));
  // A text that fits in fewer lines than allowed is not cut.
  EXPECT_EQ(layOutLines(QStringLiteral("Used 3 months ago"), note.lines(2), 1000),
            QStringList{"Used 3 months ago"});
}

TEST_F(TextLabelTest, ReservedLinesKeepTheHeightOfShortTexts) {
  const TextLook note = textLook(11).lines(2).reserving(2);
  const QFontMetricsF metrics(note.font);
  const double twoLines = metrics.height() + metrics.lineSpacing();
  EXPECT_DOUBLE_EQ(textBlockHeight(note, 1), twoLines);
  EXPECT_DOUBLE_EQ(textBlockHeight(note, 0), twoLines);
  EXPECT_DOUBLE_EQ(textBlockHeight(textLook(11).lines(2), 1), metrics.height());
  EXPECT_DOUBLE_EQ(textBlockHeight(textLook(11).lines(2), 0), 0);

  TextLabel shortNote(QStringLiteral("No recent use on record"), note);
  TextLabel longNote(kLong, note);
  EXPECT_EQ(shortNote.heightForWidth(200), longNote.heightForWidth(200));
  EXPECT_EQ(shortNote.heightForWidth(200), int(std::ceil(twoLines - 1e-6)));
}

TEST_F(TextLabelTest, AWrappingLabelGrowsDownAsItNarrowsAndExposesItsWholeText) {
  TextLabel label(kLong, textLook(12).lines(0));
  EXPECT_TRUE(label.hasHeightForWidth());
  const int wide = label.heightForWidth(2000);
  const int narrow = label.heightForWidth(150);
  EXPECT_GT(narrow, 3 * wide);
  EXPECT_EQ(probe::textOf(&label), kLong);

  TextLabel oneLine(kLong, textLook(12));
  EXPECT_FALSE(oneLine.hasHeightForWidth());
  oneLine.resize(120, oneLine.sizeHint().height());
  EXPECT_TRUE(oneLine.isTruncated());
  ASSERT_EQ(oneLine.visibleLines().size(), 1);
  EXPECT_TRUE(oneLine.visibleLines()[0].endsWith(QChar(0x2026)));
  EXPECT_EQ(oneLine.text(), kLong);  // the property keeps the whole text
}

// The painted lines are kept between repaints: each change that moves them
// must be seen, and a colour change must not lose them.
TEST_F(TextLabelTest, ThePaintedLinesFollowTheTextTheLookAndTheWidth) {
  TextLabel label(QStringLiteral("Short"), textLook(12));
  label.resize(400, label.sizeHint().height());
  EXPECT_EQ(label.visibleLines(), QStringList{QStringLiteral("Short")});
  label.setText(kLong);
  ASSERT_EQ(label.visibleLines().size(), 1);
  EXPECT_TRUE(label.visibleLines()[0].endsWith(QChar(0x2026)));
  const QString cutAt400 = label.visibleLines()[0];
  label.resize(150, label.height());
  EXPECT_LT(label.visibleLines()[0].size(), cutAt400.size());
  label.setLook(textLook(12).lines(0));
  EXPECT_GT(label.visibleLines().size(), 3);
  label.setColour(Qt::red);
  EXPECT_EQ(label.visibleLines().join(QString()).remove(QLatin1Char(' ')),
            QString(kLong).remove(QLatin1Char(' ')));
}

TEST_F(TextLabelTest, ACappedWrappingTextIsGivenTheHeightOfItsCappedWidth) {
  // A wrapping text with a maximum width in a wider column.
  TextLabel capped(kLong, textLook(12).lines(0));
  capped.setMaximumWidth(150);
  TextLabel free(kLong, textLook(12).lines(0));
  EXPECT_EQ(capped.heightForWidth(900), free.heightForWidth(150));

  // A card (a widget with a layout) capped in a wider column.
  QWidget column;
  auto* box = new QVBoxLayout(&column);
  box->setContentsMargins(0, 0, 0, 0);
  auto* card = new QWidget;
  auto* inner = new QVBoxLayout(card);
  inner->setContentsMargins(10, 10, 10, 10);
  auto* text = new TextLabel(kLong, textLook(12).lines(0));
  inner->addWidget(text);
  auto* cap = new WidthCap(card, 170, Qt::AlignHCenter);
  box->addWidget(cap);
  box->addStretch(1);
  column.resize(900, 600);
  column.show();
  probe::settle();
  EXPECT_EQ(card->width(), 170);
  EXPECT_EQ(card->x(), (900 - 170) / 2);
  EXPECT_EQ(text->height(), free.heightForWidth(150));
  EXPECT_GE(cap->height(), text->height() + 20);
}

TEST_F(TextLabelTest, PaintsInItsColourAndAlignment) {
  // A block of "H" in white on the background: the left half is lit for a
  // left-aligned text, the right half for a right-aligned one.
  for (Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignRight}) {
    TextLabel label(QStringLiteral("HHHH"), textLook(20, FontWeight::Bold).aligned(alignment));
    const QImage image = probe::render(&label, {400, 30});
    auto litColumns = [&](int from, int to) {
      int lit = 0;
      for (int x = from; x < to; ++x)
        for (int y = 0; y < 30; ++y)
          if (probe::pixel(image, QPointF(x, y)).lightness() > 200) {
            ++lit;
            break;
          }
      return lit;
    };
    if (alignment == Qt::AlignLeft) {
      EXPECT_GT(litColumns(0, 100), 20);
      EXPECT_EQ(litColumns(300, 400), 0);
    } else {
      EXPECT_EQ(litColumns(0, 100), 0);
      EXPECT_GT(litColumns(300, 400), 20);
    }
  }
}

// The box around the lit pixels of label drawn alone on black, in the
// label's pixels (empty when nothing is lit).
QRect inkBox(TextLabel& label) {
  QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).lightness() > 60) box |= QRect(x, y, 1, 1);
  return box;
}

TEST_F(TextLabelTest, ContentMarginsPadTheTextOnEverySide) {
  const QString note = QStringLiteral("No leftovers. Clean app.");
  struct Case {
    const char* what;
    QString text;
    TextLook style;
    QMargins margins;
  };
  const Case cases[] = {
      {"one line, even", note, textLook(12, FontWeight::Regular), {12, 12, 12, 12}},
      {"one line, uneven", note, textLook(12, FontWeight::Regular), {20, 4, 6, 10}},
      {"wrapping", kLong, textLook(11, FontWeight::Regular).lines(0), {12, 8, 16, 6}},
      {"right-aligned", note, textLook(12, FontWeight::Regular).aligned(Qt::AlignRight), {5, 3, 18, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QMargins& m = c.margins;
    TextLabel plain(c.text, c.style);
    TextLabel padded(c.text, c.style);
    padded.setContentsMargins(m);
    const QSize grow(m.left() + m.right(), m.top() + m.bottom());
    EXPECT_EQ(padded.sizeHint(), plain.sizeHint() + grow);
    EXPECT_EQ(padded.minimumSizeHint(), plain.minimumSizeHint() + grow);
    const int width = c.style.maxLines == 1 ? padded.sizeHint().width() : 240;
    EXPECT_EQ(padded.heightForWidth(width), plain.heightForWidth(width - grow.width()) + grow.height());

    // Laid out and drawn inside the margins: the same lines, the same ink,
    // moved in by the leading and top margins.
    plain.resize(width - grow.width(), plain.heightForWidth(width - grow.width()));
    padded.resize(width, padded.heightForWidth(width));
    EXPECT_EQ(padded.visibleLines(), plain.visibleLines());
    const QRect plainInk = inkBox(plain);
    const QRect paddedInk = inkBox(padded);
    ASSERT_FALSE(plainInk.isEmpty());
    EXPECT_EQ(paddedInk, plainInk.translated(m.left(), m.top()));
    EXPECT_TRUE(padded.contentsRect().contains(paddedInk));
  }
}

TEST_F(TextLabelTest, IconLabelShowsItsSymbolBesideItsText) {
  using namespace design::literals;
  IconLabel label("arrow.uturn.backward"_symbol, QStringLiteral("You can undo this from the Trash."),
                  textLook(11, FontWeight::Regular, design::Color::secondaryText()));
  EXPECT_EQ(probe::textOf(&label), "You can undo this from the Trash.");
  EXPECT_EQ(label.symbolName(), "arrow.uturn.backward");
  label.resize(label.sizeHint());
  label.show();
  probe::settle();
  EXPECT_LT(label.symbolView()->geometry().right(), label.label()->geometry().left());
}

}  // namespace
}  // namespace tidewell::screens
