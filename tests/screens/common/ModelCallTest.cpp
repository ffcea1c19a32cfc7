#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "screens/common/ModelCall.h"

namespace tidewell::screens {
namespace {

// Stands in for a model: records what reaches it.
struct Recorder {
  std::vector<std::string> calls;
  bool flag = true;
};

TEST(ModelCall, ReachesTheModelOnlyWhileItLives) {
  struct Case {
    const char* name;
    bool released;
    std::vector<std::string> expected;
    bool expectedRead;
  };
  const Case cases[] = {
      {"model alive", false, {"scan", "pick 7"}, true},
      {"model released", true, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto model = std::make_shared<Recorder>();
    const auto scan = modelCall(model, [](Recorder& r) { r.calls.push_back("scan"); });
    const auto pick =
        modelCall<int>(model, [](Recorder& r, int n) { r.calls.push_back("pick " + std::to_string(n)); });
    const auto read = modelRead<bool>(model, false, [](Recorder& r) { return r.flag; });
    // What the closures must not touch once the model is gone.
    std::weak_ptr<Recorder> watch = model;
    std::vector<std::string> seen;
    if (c.released) model.reset();
    scan();
    pick(7);
    EXPECT_EQ(read(), c.expectedRead);
    if (auto alive = watch.lock()) seen = alive->calls;
    EXPECT_EQ(seen, c.expected);
  }
}

TEST(ModelCall, AClosureDoesNotKeepItsModelAlive) {
  auto model = std::make_shared<Recorder>();
  std::weak_ptr<Recorder> watch = model;
  const auto call = modelCall(model, [](Recorder&) {});
  model.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace tidewell::screens
