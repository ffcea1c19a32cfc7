#include "widget/WidgetLog.h"

#include <gtest/gtest.h>

namespace tidewell::widget {
namespace {

TEST(WidgetLog, DebugLinesAreOffByDefault) {
  if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) GTEST_SKIP() << "QT_LOGGING_RULES is set";
  EXPECT_STREQ(lcWidget().categoryName(), "tidewell.widget");
  EXPECT_FALSE(lcWidget().isDebugEnabled());
  EXPECT_TRUE(lcWidget().isWarningEnabled());
}

}  // namespace
}  // namespace tidewell::widget
