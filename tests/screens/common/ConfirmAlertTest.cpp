#include "screens/common/controls/ConfirmAlert.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>

#include "design/theme/Color.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

const QColor kRed = design::Color::rgb(0.96, 0.26, 0.37);

struct Opened {
  probe::Stage window{new QWidget, design::SectionPalette::deepScan(), {600, 400}};
  QPointer<ConfirmAlert> alert;
  std::unique_ptr<QSignalSpy> confirmed, cancelled, closed;

  Opened() {
    window.show();
    alert =
        new ConfirmAlert(QStringLiteral("Move to Trash?"), QStringLiteral("“Notes” (1.5 MB) holds app data."),
                         QStringLiteral("Move to Trash"), kRed, &window);
    confirmed = std::make_unique<QSignalSpy>(alert.data(), &ConfirmAlert::confirmed);
    cancelled = std::make_unique<QSignalSpy>(alert.data(), &ConfirmAlert::cancelled);
    closed = std::make_unique<QSignalSpy>(alert.data(), &ConfirmAlert::closed);
    alert->open();
    probe::settle();
  }
};

TEST(ConfirmAlert, IsWindowModalAndShowsItsTexts) {
  Opened o;
  ASSERT_TRUE(o.alert);
  EXPECT_EQ(o.alert->windowModality(), Qt::WindowModal);
  EXPECT_TRUE(o.alert->isVisible());
  EXPECT_EQ(probe::textOf(probe::find(o.alert, "alertTitle")), "Move to Trash?");
  EXPECT_EQ(o.alert->message(), "“Notes” (1.5 MB) holds app data.");
  EXPECT_EQ(probe::textOf(probe::find(o.alert, "alertConfirm")), "Move to Trash");
  EXPECT_EQ(probe::textOf(probe::find(o.alert, "alertCancel")), "Cancel");
}

TEST(ConfirmAlert, ConfirmReportsOnceAndCloses) {
  Opened o;
  probe::click(probe::find(o.alert, "alertConfirm"));
  EXPECT_EQ(o.confirmed->count(), 1);
  EXPECT_EQ(o.cancelled->count(), 0);
  EXPECT_EQ(o.closed->count(), 1);
  probe::settle();
  EXPECT_FALSE(o.alert);  // deleted once closed
}

TEST(ConfirmAlert, CancelEscapeAndClosingTheWindowCancel) {
  enum class Way { cancelButton, escape, windowClose };
  for (Way way : {Way::cancelButton, Way::escape, Way::windowClose}) {
    Opened o;
    switch (way) {
      case Way::cancelButton:
        probe::click(probe::find(o.alert, "alertCancel"));
        break;
      case Way::escape:
        probe::pressKey(o.alert, Qt::Key_Escape);
        break;
      case Way::windowClose:
        o.alert->close();
        probe::settle();
        break;
    }
    EXPECT_EQ(o.confirmed->count(), 0) << int(way);
    EXPECT_EQ(o.cancelled->count(), 1) << int(way);
    EXPECT_EQ(o.closed->count(), 1) << int(way);
  }
}

TEST(ConfirmAlert, ReturnAndSpacePressNothing) {
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    Opened o;
    probe::pressKey(o.alert, key);
    EXPECT_EQ(o.confirmed->count(), 0) << key;
    EXPECT_EQ(o.cancelled->count(), 0) << key;
    ASSERT_TRUE(o.alert) << key;
    EXPECT_TRUE(o.alert->isVisible()) << key;
    o.alert->reject();
  }
}

TEST(ConfirmAlert, TabReachesCancelThenTheActionAndSpacePressesTheOneReached) {
  struct Case {
    int tabs;
    int confirmed, cancelled;
  };
  for (const Case& c : {Case{1, 0, 1}, Case{2, 1, 0}}) {
    SCOPED_TRACE(c.tabs);
    Opened o;
    // It opens holding the focus itself: no button has it yet.
    EXPECT_EQ(o.alert->focusWidget(), o.alert.data());
    for (int i = 0; i < c.tabs; ++i) probe::pressKey(o.alert, Qt::Key_Tab);
    EXPECT_EQ(o.alert->focusWidget(), probe::find(o.alert, c.tabs == 1 ? "alertCancel" : "alertConfirm"));
    probe::pressKey(o.alert, Qt::Key_Return);  // answers nothing
    EXPECT_EQ(o.confirmed->count(), 0);
    EXPECT_EQ(o.cancelled->count(), 0);
    probe::pressKey(o.alert, Qt::Key_Space);
    EXPECT_EQ(o.confirmed->count(), c.confirmed);
    EXPECT_EQ(o.cancelled->count(), c.cancelled);
    EXPECT_EQ(o.closed->count(), 1);
  }
}

}  // namespace
}  // namespace tidewell::screens
