#include <gtest/gtest.h>

#include <QLoggingCategory>

#include "app/AppLog.h"
#include "design/DesignLog.h"
#include "models/ModelsLog.h"
#include "platform/qt/PlatformLog.h"
#include "screens/common/ScreensLog.h"

namespace tidewell {
namespace {

// One category per Qt-side layer: debug lines stay off until
// QT_LOGGING_RULES asks for them, warnings show.
TEST(LoggingCategories, EachLayerHasOneWhoseDebugLinesAreOffByDefault) {
  if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) GTEST_SKIP() << "QT_LOGGING_RULES is set";
  struct Row {
    const QLoggingCategory& category;
    const char* name;
  };
  const Row rows[] = {
      {models::lcModels(), "tidewell.models"},
      {design::lcDesign(), "tidewell.design"},
      {screens::lcScreens(), "tidewell.screens"},
      {platform::lcPlatform(), "tidewell.platform"},
      {app::lcApp(), "tidewell.app"},
  };
  for (const Row& row : rows) {
    EXPECT_STREQ(row.category.categoryName(), row.name);
    EXPECT_FALSE(row.category.isDebugEnabled()) << row.name;
    EXPECT_TRUE(row.category.isWarningEnabled()) << row.name;
  }
}

}  // namespace
}  // namespace tidewell
