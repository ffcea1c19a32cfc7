#include <gtest/gtest.h>

#include <QLabel>
#include <limits>

#include "screens/common/layout/AdaptiveColumns.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/common/layout/RowStack.h"
#include "testkit/probe/Probe.h"

namespace tidewell::screens {
namespace {

TEST(AdaptiveColumns, FitAsManyColumnsOfTheMinimumAsTheWidthHolds) {
  struct Case {
    double width, minimum, spacing;
    int columns;
  };
  const Case cases[] = {
      {0, 230, 12, 1},    {100, 230, 12, 1}, {230, 230, 12, 1},          {471, 230, 12, 1}, {472, 230, 12, 2},
      {713, 230, 12, 2},  {714, 230, 12, 3}, {844, 230, 12, 3},          {874, 430, 14, 2}, {873, 430, 14, 1},
      {1000, 240, 12, 4}, {-50, 230, 12, 1}, {std::nan(""), 230, 12, 1}, {500, 0, 0, 500},
  };
  for (const Case& c : cases)
    EXPECT_EQ(adaptiveColumnCount(c.width, c.minimum, c.spacing), c.columns)
        << c.width << " / " << c.minimum << " + " << c.spacing;
}

TEST(AdaptiveColumns, ColumnsShareTheWidthLessTheSpacing) {
  EXPECT_DOUBLE_EQ(adaptiveColumnWidth(714, 3, 12), 230);
  EXPECT_DOUBLE_EQ(adaptiveColumnWidth(844, 3, 12), 820.0 / 3);
  EXPECT_DOUBLE_EQ(adaptiveColumnWidth(300, 1, 12), 300);
  EXPECT_DOUBLE_EQ(adaptiveColumnWidth(10, 3, 12), 0);
  EXPECT_DOUBLE_EQ(adaptiveColumnWidth(300, 0, 12), 300);
}

QWidget* cell(int height) {
  auto* w = new QWidget;
  w->setMinimumHeight(height);
  w->setMaximumHeight(height);
  return w;
}

TEST(AdaptiveGrid, PlacesCellsInRowsAndGrowsDownWithTheRows) {
  struct Case {
    int width;
    int columns;
    int height;  // rows of 50 and 80 high, 12 apart
  };
  // Five cells, heights 50 80 50 50 80, minimum 230, spacing 12.
  const Case cases[] = {
      {240, 1, 50 + 80 + 50 + 50 + 80 + 4 * 12}, {480, 2, 80 + 50 + 80 + 2 * 12}, {714, 3, 80 + 80 + 12}};
  for (const Case& c : cases) {
    AdaptiveGrid grid({230, 12, 12, Qt::AlignTop});
    grid.setCells({cell(50), cell(80), cell(50), cell(50), cell(80)});
    EXPECT_EQ(grid.heightForWidth(c.width), c.height) << c.width;
    grid.resize(c.width, c.height);
    grid.show();
    probe::settle();
    EXPECT_EQ(grid.columnCount(), c.columns) << c.width;
    const QList<QWidget*> cells = grid.cells();
    ASSERT_EQ(cells.size(), 5);
    // Every cell as wide as its column; the last cell starts its row's column.
    const int width = int(adaptiveColumnWidth(c.width, c.columns, 12));
    for (QWidget* w : cells) EXPECT_EQ(w->width(), width);
    EXPECT_EQ(cells[4]->x(), (4 % c.columns == 0) ? 0 : cells[4 % c.columns]->x());
  }
}

TEST(AdaptiveGrid, AlignsShortCellsInTheirRow) {
  const std::pair<Qt::Alignment, int> cases[] = {
      {Qt::AlignTop, 0}, {Qt::AlignVCenter, 15}, {Qt::AlignBottom, 30}};
  for (const auto& [alignment, top] : cases) {
    AdaptiveGrid grid({100, 10, 10, alignment});
    grid.setCells({cell(50), cell(80)});
    grid.resize(210, 80);
    grid.show();
    probe::settle();
    EXPECT_EQ(grid.cells()[0]->y(), top);
    EXPECT_EQ(grid.cells()[1]->y(), 0);
  }
}

TEST(AdaptiveGrid, ReorderingKeepsTheSameWidgets) {
  AdaptiveGrid grid({100, 10, 10});
  QWidget* a = cell(20);
  QWidget* b = cell(20);
  QWidget* c = cell(20);
  grid.setCells({a, b, c});
  grid.setCells({c, a});
  EXPECT_EQ(grid.cells(), (QList<QWidget*>{c, a}));
  EXPECT_TRUE(b->isHidden());  // left to its owner, out of the grid
  EXPECT_EQ(b->parentWidget(), &grid);
}

// A cell that would like to be a size, and may be any.
class Wish : public QWidget {
 public:
  explicit Wish(QSize size) : size_(size) {}
  QSize sizeHint() const override { return size_; }

 private:
  QSize size_;
};

TEST(AdaptiveGrid, SizeHintsStayWithinWidgetSizesForEveryColumnMinimum) {
  // A row stack's column minimum is infinite; no minimum at all, or one
  // larger than a widget may be, must not overflow either.
  struct Case {
    double minimum;
    int hintWidth;     // the column minimum, or the widest row's wish
    int minimumWidth;  // what the grid asks for at least
  };
  const Case cases[] = {
      {230, 230, 230}, {std::numeric_limits<double>::infinity(), 300, 0}, {0, 0, 0},
      {-5, 0, 0},      {1e12, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minimum);
    AdaptiveGrid grid({c.minimum, 0, 8, Qt::AlignTop});
    grid.setCells({cell(40), new Wish({300, 60})});
    AdaptiveGridLayout* layout = grid.gridLayout();
    EXPECT_EQ(layout->sizeHint().width(), c.hintWidth);
    EXPECT_EQ(layout->minimumSize().width(), c.minimumWidth);
    EXPECT_GE(layout->sizeHint().height(), 0);
    EXPECT_GE(grid.sizeHint().width(), 0);
    EXPECT_GE(grid.minimumSizeHint().width(), 0);
  }
}

TEST(RowStack, IsAsWideAsItsWidestRowWishesAndAsHighAsItsRows) {
  RowStack stack(8);
  stack.setRows(QList<QWidget*>{cell(40), new Wish({300, 60}), cell(20)});
  const QSize hint = stack.sizeHint();
  EXPECT_EQ(hint.width(), 300);
  EXPECT_EQ(hint.height(), 40 + 8 + 60 + 8 + 20);
  EXPECT_EQ(stack.minimumSizeHint().width(), 0);
  // One column at any width, the rows as wide as the stack.
  for (int width : {120, 700, 5000}) {
    EXPECT_EQ(stack.heightForWidth(width), 136) << width;
    stack.resize(width, 136);
    stack.show();
    probe::settle();
    EXPECT_EQ(stack.columnCount(), 1);
    for (QWidget* row : stack.cells()) EXPECT_EQ(row->width(), width);
  }
}

struct Record {
  QString path;
  QString name;
};

TEST(KeyedWidgets, KeepsOneWidgetPerKeyAcrossUpdatesAndRetiresTheGone) {
  QWidget parent;
  KeyedWidgets<QLabel, QString> keyed;
  int made = 0;
  auto sync = [&](const std::vector<Record>& records) {
    return keyed.sync(
        records, [](const Record& r) { return r.path; },
        [&](const Record& r) {
          ++made;
          return new QLabel(r.name, &parent);
        },
        [](QLabel* label, const Record& r) { label->setText(r.name); });
  };
  const QList<QLabel*> first = sync({{"/A.app", "A"}, {"/B.app", "B"}, {"/C.app", "C"}});
  ASSERT_EQ(first.size(), 3);
  QPointer<QLabel> gone = first[1];
  const QList<QLabel*> second = sync({{"/C.app", "C"}, {"/A.app", "A 2"}});
  EXPECT_EQ(made, 3);
  EXPECT_EQ(second, (QList<QLabel*>{first[2], first[0]}));
  EXPECT_EQ(first[0]->text(), "A 2");
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->parent(), nullptr);  // out of the tree at once
  probe::settle();
  EXPECT_FALSE(gone);  // and deleted later
  EXPECT_EQ(keyed.find("/C.app"), first[2]);
  EXPECT_EQ(keyed.find("/B.app"), nullptr);
}

TEST(KeyedWidgets, TwoRecordsWithOneKeyGetTwoWidgets) {
  QWidget parent;
  KeyedWidgets<QLabel, QString> keyed;
  auto make = [&](const Record& r) { return new QLabel(r.name, &parent); };
  auto key = [](const Record& r) { return r.path; };
  auto keep = [](QLabel*, const Record&) {};
  const auto first = keyed.sync(std::vector<Record>{{"/X.app", "one"}, {"/X.app", "two"}}, key, make, keep);
  ASSERT_EQ(first.size(), 2);
  EXPECT_NE(first[0], first[1]);
  const auto second = keyed.sync(std::vector<Record>{{"/X.app", "one"}, {"/X.app", "two"}}, key, make, keep);
  EXPECT_EQ(second, first);
  EXPECT_EQ(keyed.size(), 2);
}

}  // namespace
}  // namespace tidewell::screens
