#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "engine/safety/SafeRemover.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/clean/DiskScannerFixtures.h"
#include "tests/engine/safety/DeepChain.h"
#include "tests/engine/walk/BindMount.h"

namespace tidewell::engine {

// Readable failures when a whole result is compared.
void PrintTo(const SafeRemover::Cleared& cleared, std::ostream* out) {
  *out << "{outcome " << static_cast<int>(cleared.outcome) << ", releasedBytes " << cleared.releasedBytes
       << ", reason " << (cleared.reason ? platform::reasonText(*cleared.reason) : std::string("none"))
       << "}";
}

namespace {

using namespace testing;
using platform::FailureReason;
using Kind = FailureReason::Kind;
using Outcome = SafeRemover::Outcome;

std::optional<FailureReason> allowAll(const std::string&) { return std::nullopt; }

// Every case runs in a fixture whose victim folder, outside the home, holds
// a sentinel that must survive.
TEST(SafeRemover, ClearsOnlyWhatWasMeasured) {
  struct Case {
    const char* name;
    std::vector<Entry> entries;
    const char* part;
    std::function<void(FixtureHome&)> between;  // runs after measuring, before clearing
    const char* keep;                           // a child name the gate refuses, as a credential
    Outcome expected;
    std::optional<FailureReason> reason;  // why the part, or the first entry kept, stayed
    std::vector<std::string> gone;
    std::vector<std::string> survive;
    std::vector<std::string> released = {};  // the files whose blocks go back
  };
  const std::vector<Case> cases = {
      {"folder emptied but kept",
       {file("c/a", 100), file("c/.hidden", 10), file("c/sub/deep/f", 5000), fifo("c/pipe"),
        symlink("c/tovictim", "{root}/victim"), symlink("c/sub/tosentinel", "{root}/victim/sentinel")},
       "c",
       nullptr,
       nullptr,
       Outcome::Removed,
       std::nullopt,
       {"c/a", "c/.hidden", "c/sub", "c/pipe", "c/tovictim"},
       {"c"},
       {"c/a", "c/.hidden", "c/sub/deep/f"}},
      {"file removed",
       {file("f", 100)},
       "f",
       nullptr,
       nullptr,
       Outcome::Removed,
       std::nullopt,
       {"f"},
       {},
       {"f"}},
      {"vanished part",
       {file("c/a", 1)},
       "c",
       [](FixtureHome& fx) {
         unlink(fx.path("c/a").c_str());
         rmdir(fx.path("c").c_str());
       },
       nullptr,
       Outcome::Vanished,
       std::nullopt,
       {},
       {}},
      {"part whose parent became a file",
       {file("p/c/a", 1)},
       "p/c",
       [](FixtureHome& fx) {
         rename(fx.path("p").c_str(), fx.path("old").c_str());
         fx.add({file("p", 10)});
       },
       nullptr,
       Outcome::Vanished,
       std::nullopt,
       {},
       {"p", "old/c/a"}},
      {"part that is a symlink",
       {symlink("c", "{root}/victim")},
       "c",
       nullptr,
       nullptr,
       Outcome::Refused,
       FailureReason{Kind::link},
       {},
       {"c"}},
      {"folder replaced since it was measured",
       {file("c/a", 1)},
       "c",
       [](FixtureHome& fx) {
         rename(fx.path("c").c_str(), fx.path("old").c_str());
         fx.add({file("c/new", 10)});
       },
       nullptr,
       Outcome::Refused,
       FailureReason{Kind::notScanned},
       {},
       {"c/new", "old/a"}},
      {"folder swapped for a link since it was measured",
       {file("c/a", 1)},
       "c",
       [](FixtureHome& fx) {
         rename(fx.path("c").c_str(), fx.path("old").c_str());
         fx.add({symlink("c", "{root}/victim")});
       },
       nullptr,
       Outcome::Refused,
       FailureReason{Kind::link},
       {},
       {"c", "old/a"}},
      {"child refused by the gate",
       {file("c/a", 1), file("c/keep/secret", 10), file("c/b/x", 1)},
       "c",
       nullptr,
       "keep",
       Outcome::Incomplete,
       FailureReason{Kind::credential},
       {"c/a", "c/b"},
       {"c/keep/secret"},
       {"c/a", "c/b/x"}},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    fx.addOutside({file("victim/sentinel", 1000)});
    fx.add(c.entries);
    FileIdentity id{};
    struct stat st {};
    ASSERT_EQ(lstat(fx.path(c.part).c_str(), &st), 0) << c.name;
    id = {st.st_dev, st.st_ino};
    const int64_t released = fixtures::blocksOf(fx, c.released);
    if (c.between) c.between(fx);
    const std::string kept = c.keep ? fx.path(std::string(c.part) + "/" + c.keep) : "";
    auto gate = [&](const std::string& p) {
      return p == kept ? std::optional(FailureReason{Kind::credential}) : std::nullopt;
    };
    EXPECT_EQ(SafeRemover::clear(fx.path(c.part), id, gate),
              (SafeRemover::Cleared{c.expected, released, c.reason}))
        << c.name;
    for (const auto& g : c.gone) EXPECT_FALSE(exists(fx.path(g))) << c.name << ": " << g;
    for (const auto& s : c.survive) EXPECT_TRUE(exists(fx.path(s))) << c.name << ": " << s;
    EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u) << c.name;
  }
}

TEST(SafeRemover, AChildFolderSwappedBeforeItIsOpenedIsNotEntered) {
  // The remover has listed and looked at c/sub; right before it opens it,
  // c/sub is swapped. Whatever now answers to that name lies outside what
  // was chosen and must survive.
  struct Case {
    const char* name;
    std::function<void(FixtureHome&)> swap;
    FailureReason reason;  // of the folder left alone
    std::vector<std::string> surviveOutside;
    std::vector<std::string> survive;  // below the home
  };
  const std::vector<Case> cases = {
      {"for a link to the very folder, moved outside",
       [](FixtureHome& fx) {
         ASSERT_EQ(rename(fx.path("c/sub").c_str(), fx.outside("victim/moved").c_str()), 0);
         fx.add({symlink("c/sub", "{root}/victim/moved")});
       },
       {Kind::openFailed, ENOTDIR},  // a link is not opened as a folder
       {"victim/moved/f", "victim/moved/deeper/g"},
       {}},
      {"for another folder moved in",
       [](FixtureHome& fx) {
         ASSERT_EQ(rename(fx.path("c/sub").c_str(), fx.outside("victim/old-sub").c_str()), 0);
         ASSERT_EQ(rename(fx.outside("victim/dir").c_str(), fx.path("c/sub").c_str()), 0);
       },
       {Kind::notScanned},
       {"victim/old-sub/f"},
       {"c/sub/v"}},
  };
  for (const Case& c : cases) {
    FixtureHome fx({file("c/a", 10), file("c/sub/f", 5000), file("c/sub/deeper/g", 100)});
    fx.addOutside({file("victim/sentinel", 1000), file("victim/dir/v", 700)});
    FileIdentity id{};
    ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));
    bool swapped = false;
    const auto cleared = SafeRemover::clear(fx.path("c"), id, allowAll, [&](const std::string& path) {
      if (path != fx.path("c/sub") || swapped) return;
      swapped = true;
      c.swap(fx);
    });
    EXPECT_TRUE(swapped) << c.name;
    EXPECT_EQ(cleared.outcome, Outcome::Incomplete) << c.name;
    EXPECT_EQ(cleared.reason, c.reason) << c.name;
    EXPECT_FALSE(exists(fx.path("c/a"))) << c.name;
    for (const auto& s : c.surviveOutside) EXPECT_TRUE(exists(fx.outside(s))) << c.name << ": " << s;
    for (const auto& s : c.survive) EXPECT_TRUE(exists(fx.path(s))) << c.name << ": " << s;
    EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u) << c.name;
  }
}

TEST(SafeRemover, GateSeesEveryPathBelowThePart) {
  FixtureHome fx({file("c/a/b/f", 1), file("c/x", 1)});
  FileIdentity id{};
  ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));
  std::vector<std::string> asked;
  EXPECT_EQ(SafeRemover::clear(fx.path("c"), id,
                               [&](const std::string& p) {
                                 asked.push_back(p);
                                 return std::nullopt;
                               })
                .outcome,
            Outcome::Removed);
  std::sort(asked.begin(), asked.end());
  EXPECT_EQ(asked,
            (std::vector<std::string>{fx.path("c/a"), fx.path("c/a/b"), fx.path("c/a/b/f"), fx.path("c/x")}));
}

TEST(SafeRemover, IdentifyRefusesLinksAndMissingPaths) {
  FixtureHome fx({file("f", 1), symlink("l", "{home}/f")});
  FileIdentity id{};
  EXPECT_TRUE(SafeRemover::identify(fx.path("f"), id));
  EXPECT_FALSE(SafeRemover::identify(fx.path("l"), id));
  EXPECT_FALSE(SafeRemover::identify(fx.path("missing"), id));
  EXPECT_EQ(SafeRemover::clear("relative/path", id, allowAll),
            (SafeRemover::Cleared{Outcome::Refused, 0, FailureReason{Kind::badPath}}));
}

TEST(SafeRemover, LeavesMountPointsBelowThePartAlone) {
  FixtureHome fx({file("c/a", 10), folder("c/mnt")});
  fx.addOutside({file("victim/sentinel", 1000)});
  FileIdentity id{};
  ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));
  {
    const std::string target = fx.path("c/mnt");
    SafeRemover::Cleared cleared;
    {
      BindMount mount(fx.outside("victim"), target);
      if (!mount.ok()) GTEST_SKIP() << "bind mounts are not permitted here";
      cleared = SafeRemover::clear(fx.path("c"), id, allowAll);
      EXPECT_TRUE(exists(fx.outside("victim/sentinel")));
    }
    EXPECT_EQ(cleared.outcome, Outcome::Incomplete);
    EXPECT_EQ(cleared.reason, FailureReason{Kind::mountPoint});
  }
  EXPECT_FALSE(exists(fx.path("c/a")));
  EXPECT_TRUE(exists(fx.path("c/mnt")));
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
}

TEST(SafeRemover, RefusesAPartThatIsItselfAMountPoint) {
  FixtureHome fx({folder("c")});
  fx.addOutside({file("victim/sentinel", 1000)});
  FileIdentity id{};
  SafeRemover::Cleared cleared;
  {
    BindMount mount(fx.outside("victim"), fx.path("c"));
    if (!mount.ok()) GTEST_SKIP() << "bind mounts are not permitted here";
    ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));  // what a scan would see through the mount
    cleared = SafeRemover::clear(fx.path("c"), id, allowAll);
  }
  EXPECT_EQ(cleared, (SafeRemover::Cleared{Outcome::Refused, 0, FailureReason{Kind::mountPoint}}));
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
}

// Far deeper than the call stack or PATH_MAX would allow a recursive,
// path-based remover; descriptors stay bounded all the way down. One chain
// serves both steps, since making it is the slow part.
TEST(SafeRemover, EmptiesOrRefusesATreeOfAnyDepth) {
  constexpr int kLevels = 20'000;
  FixtureHome fx({folder("c"), file("c/top", 100)});
  fx.addOutside({file("victim/sentinel", 1000)});
  ASSERT_TRUE(makeChain(fx.path("c"), kLevels, 1000));
  FileIdentity id{};
  ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));
  std::string deepestFile = fx.path("c");
  for (int i = 0; i < kLevels; ++i) deepestFile += "/d";
  deepestFile += "/f";

  struct Step {
    const char* name;
    bool refuseDeepestFile;
    Outcome expected;
    int levelsLeft;
  };
  const Step steps[] = {
      {"deepest file refused", true, Outcome::Incomplete, kLevels},
      {"whole tree removed", false, Outcome::Removed, 0},
  };
  for (const Step& step : steps) {
    const int before = openDescriptors();
    int most = before;
    size_t asked = 0;
    bool deepestAsked = false;
    const auto gate = [&](const std::string& p) -> std::optional<FailureReason> {
      if (++asked % 500 == 0) most = std::max(most, openDescriptors());
      if (p != deepestFile) return std::nullopt;
      deepestAsked = true;
      if (step.refuseDeepestFile) return FailureReason{Kind::credential};
      return std::nullopt;
    };
    const auto cleared = SafeRemover::clear(fx.path("c"), id, gate);
    EXPECT_EQ(cleared.outcome, step.expected) << step.name;
    // The deepest refusal is the reason, reported from the top.
    EXPECT_EQ(cleared.reason,
              step.refuseDeepestFile ? std::optional(FailureReason{Kind::credential}) : std::nullopt)
        << step.name;
    EXPECT_TRUE(deepestAsked) << step.name;
    EXPECT_LE(most - before, 150) << step.name << ": descriptors held at once";
    EXPECT_EQ(chainDepth(fx.path("c")), step.levelsLeft) << step.name;
    EXPECT_TRUE(exists(fx.path("c")));
    EXPECT_FALSE(exists(fx.path("c/top"))) << step.name;
    EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u) << step.name;
  }
  removeChain(fx.path("c"));
}

// A folder whose descriptor was given up on the way down is reopened by
// name on the way back; if another folder has taken that name meanwhile, it
// is left alone, and so is everything the first one still held.
TEST(SafeRemover, AFolderSwappedWhileItsDescriptorWasGivenUpIsLeftAlone) {
  constexpr int kLevels = 200;  // deep enough that level 10 gives its descriptor up
  FixtureHome fx({folder("c")});
  fx.addOutside({file("victim/sentinel", 1000)});
  ASSERT_TRUE(makeChain(fx.path("c"), kLevels, 50));
  std::string level9 = fx.path("c");
  for (int i = 0; i < 9; ++i) level9 += "/d";
  std::vector<std::string> siblings;
  for (int i = 0; i < 100; ++i) siblings.push_back("s" + std::to_string(i));
  for (const auto& name : siblings) writeFile(level9 + "/d/" + name, "listed");
  std::string deepestFile = fx.path("c");
  for (int i = 0; i < kLevels; ++i) deepestFile += "/d";
  deepestFile += "/f";

  FileIdentity id{};
  ASSERT_TRUE(SafeRemover::identify(fx.path("c"), id));
  bool swapped = false;
  const auto gate = [&](const std::string& p) {
    if (p == deepestFile && !swapped) {
      swapped = rename((level9 + "/d").c_str(), fx.outside("moved").c_str()) == 0;
      for (const auto& name : siblings) writeFile(level9 + "/d/" + name, "not listed");
    }
    return std::nullopt;
  };
  const auto cleared = SafeRemover::clear(fx.path("c"), id, gate);
  EXPECT_EQ(cleared.outcome, Outcome::Incomplete);
  EXPECT_EQ(cleared.reason, FailureReason{Kind::notScanned});
  EXPECT_TRUE(swapped);
  for (const auto& name : siblings) EXPECT_EQ(readFile(level9 + "/d/" + name), "not listed") << name;
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
  removeChain(fx.outside("moved"));
}

}  // namespace
}  // namespace tidewell::engine
