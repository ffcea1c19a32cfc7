#include "platform/core/BackgroundThread.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace tidewell::platform {
namespace {

int niceOfThisThread() {
  errno = 0;
  const int value = getpriority(PRIO_PROCESS, id_t(gettid()));
  return errno == 0 ? value : -100;
}

// Scans run on marked threads while the window's thread keeps its priority:
// marking must reach the calling thread alone, never the whole process.
TEST(BackgroundThread, MarksOnlyTheCallingThreadAndKeepsANicerValue) {
  const int before = niceOfThisThread();
  ASSERT_NE(before, -100);
  if (before >= backgroundNice) GTEST_SKIP() << "this test runs at nice " << before;

  int marked = -100, again = -100, nicer = -100;
  std::thread([&] {
    markCurrentThreadAsBackground();
    marked = niceOfThisThread();
    markCurrentThreadAsBackground();
    again = niceOfThisThread();
  }).join();
  std::thread([&] {
    ASSERT_EQ(setpriority(PRIO_PROCESS, id_t(gettid()), backgroundNice + 5), 0);
    markCurrentThreadAsBackground();
    nicer = niceOfThisThread();
  }).join();

  EXPECT_EQ(marked, backgroundNice);
  EXPECT_EQ(again, backgroundNice);
  EXPECT_EQ(nicer, backgroundNice + 5);
  EXPECT_EQ(niceOfThisThread(), before);
}

}  // namespace
}  // namespace tidewell::platform
