#include "engine/safety/PathSafety.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace std::string_literals;
using Roots = std::vector<std::string>;

const Roots kMacRoots = {"/private/var/folders/xy/T", "/private/var/folders/xy/C"};

TEST(PathSafety, GateTable) {
  using Kind = platform::FailureReason::Kind;
  constexpr std::nullopt_t safe = std::nullopt;
  const Kind credential = Kind::credential, outside = Kind::outsideAreas, userFiles = Kind::userFiles,
             unusableHome = Kind::homeUnusable, badPath = Kind::badPath;
  struct Case {
    std::string home;
    Roots roots;
    std::string path;
    std::optional<Kind> refusal;  // the rule that refuses it
    Roots extraUserFolders = {};
  } cases[] = {
      // Credentials, the folder itself and everything below it.
      {"/Users/a", kMacRoots, "/Users/a/.ssh", credential},
      {"/Users/a", kMacRoots, "/Users/a/.ssh/known_hosts", credential},
      {"/Users/a", kMacRoots, "/Users/a/.ssh/", credential},
      {"/Users/a", kMacRoots, "/Users/a/.sshx", safe},
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface/token", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface/stored_tokens/x", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface/hub", safe},
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface/tokenizer", safe},
      {"/Users/a", kMacRoots, "/Users/a/.config/gh/hosts.yml", credential},
      {"/Users/a", kMacRoots, "/Users/a/.gradle/gradle.properties", credential},
      {"/Users/a", kMacRoots, "/Users/a/.gradle/caches", safe},
      {"/Users/a", kMacRoots, "/Users/a/Library/Caches/../../.aws/credentials", credential},
      // A folder that holds a credential goes with its children.
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cache/huggingface/", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cache/./huggingface", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cache", credential},
      {"/Users/a", kMacRoots, "/Users/a/.config", credential},
      {"/Users/a", kMacRoots, "/Users/a/.config/composer", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cargo", credential},
      {"/Users/a", kMacRoots, "/Users/a/.docker", credential},
      {"/Users/a", kMacRoots, "/Users/a/.android", credential},
      {"/Users/a", kMacRoots, "/Users/a/.ollama", credential},
      {"/Users/a", kMacRoots, "/Users/a/.cargo/registry", safe},
      {"/Users/a", kMacRoots, "/Users/a/.docker/buildx", safe},
      // The temporary areas, outside the home.
      {"/Users/a", kMacRoots, "/private/var/folders/xy/T/x", safe},
      {"/Users/a", kMacRoots, "/private/var/folders/xy/T", safe},
      {"/Users/a", kMacRoots, "/private/var/folders/xy/C/com.app/y", safe},
      {"/Users/a", kMacRoots, "/private/var/folders/xy/Tx", outside},
      {"/Users/a", kMacRoots, "/private/var/folders/xy/T/../secret", outside},
      {"/Users/a", kMacRoots, "/tmp/x", outside},
      {"/Users/a", kMacRoots, "/Applications/X.app", outside},
      {"/Users/a", {}, "/private/var/folders/xy/T/x", outside},
      // A credential wins over a temporary root that holds it.
      {"/Users/a", {"/Users/a/.config/gh"}, "/Users/a/.config/gh/hosts.yml", credential},
      {"/Users/a", {"/Users/a/.cache/huggingface"}, "/Users/a/.cache/huggingface", credential},
      {"/Users/a", {"/Users/a/.cache/huggingface"}, "/Users/a/.cache/huggingface/token", credential},
      {"/Users/a", {"/Users/a/Documents/scratch"}, "/Users/a/Documents/scratch/x", safe},
      // The home itself, however it is spelled, and its neighbours; the home
      // and what holds it hold the credentials too.
      {"/Users/a", kMacRoots, "/Users/a", credential},
      {"/Users/a", kMacRoots, "/Users/a/", credential},
      {"/Users/a", kMacRoots, "/Users/a/.", credential},
      {"/Users/a", kMacRoots, "/Users/a//", credential},
      {"/Users/a", kMacRoots, "/Users//a", credential},
      {"/Users/a", kMacRoots, "/Users/a/Documents/..", credential},
      {"/Users/a", kMacRoots, "/Users", credential},
      {"/Users/a", kMacRoots, "/", credential},
      {"/Users/a", kMacRoots, "/Users/ab/x", outside},
      {"/Users/a/", kMacRoots, "/Users/a/Library/Caches/x", safe},
      // Inside the home.
      {"/Users/a", kMacRoots, "/Users/a/Library/Caches/x", safe},
      {"/Users/a", kMacRoots, "/Users/a/Library", safe},
      {"/Users/a", kMacRoots, "/Users/a/Documents", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Documents/app/node_modules/lib", safe},
      {"/Users/a", kMacRoots, "/Users/a/Documents/app/build", safe},
      {"/Users/a", kMacRoots, "/Users/a/Downloads/target", safe},
      {"/Users/a", kMacRoots, "/Users/a/Desktop/site/.next/cache", safe},
      {"/Users/a", kMacRoots, "/Users/a/Documents/app/node_modules/../../report.pdf", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Library/../Documents/report.pdf", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Documents/app/Node_Modules", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Documents/app/builds", userFiles},
      {"/Users/a", kMacRoots, "/Users/a/Sites/blog", userFiles},
      // User folders named by the desktop only ever refuse more.
      {"/Users/a", kMacRoots, "/Users/a/Videos/clip.mp4", safe},
      {"/Users/a", kMacRoots, "/Users/a/Videos/clip.mp4", userFiles, {"Videos"}},
      {"/Users/a", kMacRoots, "/Users/a/Videos/game/build", safe, {"Videos"}},
      {"/Users/a", kMacRoots, "/Users/a/Documents/report.pdf", userFiles, {"Videos"}},
      // An unusable home refuses everything, the temporary areas included.
      {"", kMacRoots, "/Users/a/Library/Caches/x", unusableHome},
      {"", kMacRoots, "/private/var/folders/xy/T/x", unusableHome},
      {"Users/a", kMacRoots, "Users/a/Library/Caches/x", unusableHome},
      {"/", kMacRoots, "/Users/a/Library/Caches/x", unusableHome},
      {"/", kMacRoots, "/private/var/folders/xy/T/x", unusableHome},
      // A root that would open the disk, the home or a user folder is none.
      {"/Users/a", {"/"}, "/etc/passwd", outside},
      {"/Users/a", {"/Users/a"}, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", {"/Users/a/"}, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", {"/Users"}, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", {"/Users"}, "/Users/b/x", outside},
      {"/Users/a", {"/Users/a/Documents"}, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", {"/Users/a/Documents/."}, "/Users/a/Documents/report.pdf", userFiles},
      {"/Users/a", {"/Users/a/tmp"}, "/Users/a/Pictures/x", userFiles},
      {"/Users/a", {""}, "/etc/x", outside},
      {"/Users/a", {"relative"}, "/etc/x", outside},
      {"/Users/a", {"/Users/a/work/tmp"}, "/Users/a/work/tmp/x", safe},
      // Paths that cannot be judged.
      {"/Users/a", kMacRoots, "", badPath},
      {"/Users/a", kMacRoots, "Library/Caches/x", badPath},
      {"/Users/a", kMacRoots, "/Users/a/Documents\0/x/build"s, badPath},
      {"/Users/a", kMacRoots, "/private/var/folders/xy/T/x\0/../../../../Users/a/Documents"s, badPath},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathSafety::isSafeToTouch(c.path, c.home, c.roots, c.extraUserFolders), !c.refusal)
        << "home '" << c.home << "' path '" << c.path << "' roots " << c.roots.size();
    const auto refused = PathSafety::refusal(c.path, c.home, c.roots, c.extraUserFolders);
    EXPECT_EQ(refused ? std::optional(refused->kind) : std::nullopt, c.refusal)
        << "home '" << c.home << "' path '" << c.path << "' roots " << c.roots.size();
  }
}

TEST(PathSafety, EveryCredentialAndUserFolderIsProtected) {
  const std::string home = "/home/a";
  for (const std::string& credential : PathSafety::credentialPaths()) {
    EXPECT_FALSE(PathSafety::isSafeToTouch(home + "/" + credential, home, {})) << credential;
    EXPECT_FALSE(PathSafety::isSafeToTouch(home + "/" + credential + "/x", home, {})) << credential;
    EXPECT_TRUE(PathSafety::isSafeToTouch(home + "/" + credential + "-other", home, {})) << credential;
  }
  for (const std::string& folder : PathSafety::userFolders()) {
    EXPECT_FALSE(PathSafety::isSafeToTouch(home + "/" + folder + "/notes.txt", home, {})) << folder;
    for (const std::string& artefact : PathSafety::developerArtefactFolders())
      EXPECT_TRUE(PathSafety::isSafeToTouch(home + "/" + folder + "/p/" + artefact, home, {})) << artefact;
    for (const std::string& output : PathSafety::buildFolders())
      EXPECT_TRUE(PathSafety::isSafeToTouch(home + "/" + folder + "/" + output, home, {})) << output;
  }
}

TEST(PathSafety, ContextSuppliesHomeRootsAndUserFolders) {
  testing::FixtureHome fx;
  auto ctx = fx.context();
  ctx.temporaryRoots = {fx.outside("tmp")};
  ctx.extraUserFolders = {"Videos"};
  EXPECT_TRUE(PathSafety::isSafeToTouch(fx.outside("tmp/x"), ctx));
  EXPECT_FALSE(PathSafety::isSafeToTouch(fx.outside("victim/x"), ctx));
  EXPECT_FALSE(PathSafety::isSafeToTouch(fx.path("Videos/clip.mp4"), ctx));
  EXPECT_TRUE(PathSafety::isSafeToTouch(fx.path("Library/Caches/x"), ctx));
  EXPECT_EQ(PathSafety::temporaryRoots(ctx), ctx.temporaryRoots);
}

TEST(PathSafety, TouchesCredentialAsWrittenAndWhereItLies) {
  using namespace testing;
  FixtureHome fx({file(".cache/huggingface/token", 10), folder(".cache/pip"), folder("Documents/keys"),
                  symlink(".ssh", "{home}/Documents/keys"), symlink("Library/Caches", "{home}/.cache")});
  const auto ctx = fx.context();
  struct Case {
    std::string path;
    bool touches;
  } cases[] = {
      {fx.path(".cache/huggingface/token"), true},
      {fx.path(".cache/huggingface"), true},  // holds it
      {fx.path(".cache"), true},
      {fx.home(), true},
      {fx.path(".ssh/id_ed25519"), true},
      {fx.path(".cache/pip"), false},
      {fx.path("Library/Caches/huggingface"), true},  // really .cache/huggingface
      {fx.path("Library/Caches/pip"), false},
      {fx.path("Documents/keys"), true},  // where .ssh really is
      {fx.path("Documents"), true},
      {fx.path("Documents/other"), false},
      {"relative/path", true},
  };
  for (const auto& c : cases) EXPECT_EQ(PathSafety::touchesCredential(c.path, ctx), c.touches) << c.path;
  auto unusable = ctx;
  unusable.home = "/";
  EXPECT_TRUE(PathSafety::touchesCredential(fx.path(".cache/pip"), unusable));
}

TEST(PathSafety, PhysicalLocationIsJudgedToo) {
  using namespace testing;
  FixtureHome fx(
      {folder("Library/Caches/app"), folder("Documents/report"), folder(".ssh"),
       symlink("Library/Caches/docs", "{home}/Documents"), symlink("Library/Caches/away", "{root}/victim"),
       symlink("Library/Caches/keys", "{home}/.ssh"), symlink("Library/Caches/self-link", "{root}/victim"),
       symlink("Library/via", "{home}/Documents/report")});
  fx.addOutside({folder("victim"), folder("private-tmp"), symlink("tmp-link", "{root}/private-tmp"),
                 symlink("home-link", "{home}")});
  auto ctx = fx.context();
  ctx.temporaryRoots = {fx.outside("tmp-link")};

  struct Case {
    std::string path;
    bool safe;
  } cases[] = {
      {fx.path("Library/Caches/app/x"), true},
      {fx.path("Library/Caches/app"), true},
      {fx.path("Library/Caches/docs/report"), false},  // really Documents/report
      {fx.path("Library/via/node_modules"), true},     // really Documents/report/node_modules
      {fx.path("Library/via/notes.txt"), false},
      {fx.path("Library/Caches/away/file"), false},  // really outside the home
      {fx.path("Library/Caches/keys/id_rsa"), false},
      {fx.path("Library/Caches/self-link"), true},   // the link itself is removed, not its target
      {fx.path("Library/Caches/missing/x"), false},  // a parent that cannot be resolved
      {fx.path(".ssh/id_rsa"), false},
      {fx.outside("tmp-link/x"), true},      // the root is judged where it really is
      {fx.outside("private-tmp/x"), false},  // the path as given must pass as well
      {fx.outside("victim/x"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(PathSafety::isSafeToTouchPhysically(c.path, ctx), c.safe) << c.path;

  // A home reached through a link is compared where it really is.
  auto linked = ctx;
  linked.home = fx.outside("home-link");
  EXPECT_TRUE(PathSafety::isSafeToTouchPhysically(fx.outside("home-link/Library/Caches/app/x"), linked));
  EXPECT_FALSE(PathSafety::isSafeToTouchPhysically(fx.outside("home-link/Documents/report/x"), linked));
  EXPECT_FALSE(PathSafety::isSafeToTouchPhysically(fx.outside("home-link/Library/Caches/docs/x"), linked));
}

TEST(PathSafety, NestedBelowTable) {
  struct Case {
    std::string path;
    std::string root;
    bool nested;
  } cases[] = {
      {"/Users/a/Documents", "/Users/a", false},
      {"/Users/a/Documents/x", "/Users/a", true},
      {"/Users/a/Documents/x/y", "/Users/a", true},
      {"/Users/a", "/Users/a", false},
      {"/Users/ab/x", "/Users/a", false},
      {"/Users/ab/x/y", "/Users/a", false},
      {"/Users/a/Documents/", "/Users/a", false},
      {"/Users/a//Documents", "/Users/a/", false},
      {"/Users/a/Documents/.", "/Users/a", false},
      {"/Users/a/Documents/x/..", "/Users/a", false},
      {"/Users/a/./Documents//x/", "/Users/a/", true},
      {"/Users/a/Documents/x", "/Users/a/Library/..", true},
      {"/Users/a/Documents/x", "/Users/a/Documents/x/..", false},
      {"/Users/a/x/y", "", false},
      {"/Users/a/x/y", "/", false},
      {"Users/a/x/y", "Users/a", false},
      {"/Users/a/x\0/y"s, "/Users/a", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PathSafety::isNestedBelow(c.path, c.root), c.nested) << c.path << " below " << c.root;
}

}  // namespace
}  // namespace tidewell::engine
