#pragma once
// The checks every screen state passes, read as assistive technology and
// the keyboard meet it (see testkit/probe/AccessibilityAudit.h): nothing
// that would leave a person stuck, Tab in reading order, decorations there
// but absent from the tree, and the nodes a state must show. The widget
// must be shown. GUI thread only.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testkit/probe/AccessibilityAudit.h"

namespace tidewell::testing {

inline std::vector<std::string> toStrings(const QStringList& items) {
  std::vector<std::string> out;
  for (const QString& item : items) out.push_back(item.toStdString());
  return out;
}

// expected: summaries (probe::summary) the tree must hold, in any order.
inline void expectReadable(QWidget* root, const std::vector<std::string>& expected = {}) {
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(root)), "");
  EXPECT_EQ(probe::lines(probe::describe(probe::tabOrder(root))),
            probe::lines(probe::describe(probe::readingOrder(root))));
  for (QWidget* decoration : probe::decorations(root)) {
    EXPECT_FALSE(probe::isListed(root, decoration)) << probe::describe(decoration).toStdString();
  }
  if (!expected.empty()) {
    EXPECT_THAT(toStrings(probe::summaries(root)), ::testing::IsSupersetOf(expected));
  }
}

}  // namespace tidewell::testing
