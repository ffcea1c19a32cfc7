#include "engine/deepscan/FolderKnowledge.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tidewell::engine {
namespace {

using Verdict = FolderKnowledge::Verdict;

const std::string kAdobeSdk = "Adobe marketing SDK cache. Nothing personal; recreated automatically.";
const std::string kCrash = "Crash-reporting cache. Nothing personal; recreated automatically.";

TEST(FolderKnowledge, FactsByExactNameThenPatterns) {
  EXPECT_EQ(FolderKnowledge::facts().size(), 27u);
  struct Case {
    std::string name;
    std::optional<FolderKnowledge::Fact> fact;
  } cases[] = {
      {"Google",
       FolderKnowledge::Fact{
           Verdict::mixed,
           "Chrome's profile: logins, saved passwords, bookmarks, extensions. Don't delete. The "
           "Caches tab safely clears its re-downloadable components instead."}},
      {"google", std::nullopt},
      {"GOOGLE", std::nullopt},
      {"Google ", std::nullopt},
      {"flutter",
       FolderKnowledge::Fact{
           Verdict::mixed,
           "The Flutter SDK. Re-downloadable from flutter.dev, no personal data. Keep it if "
           "you're actively building Flutter apps."}},
      {"Flutter", std::nullopt},
      {"Android",
       FolderKnowledge::Fact{
           Verdict::mixed,
           "Usually the Android SDK. Re-downloadable via Android Studio, no logins or personal "
           "data. Check it's not your project code before deleting."}},
      {"com.apple.mail",
       FolderKnowledge::Fact{Verdict::keepUserData, "Your Mail data. Deleting can lose local mailboxes."}},
      {"group.com.apple.VoiceMemos.shared",
       FolderKnowledge::Fact{Verdict::keepUserData,
                             "Your Voice Memos recordings. Deleting loses recordings not synced to iCloud."}},
      {"com.apple.CoreDevice.CoreDeviceService",
       FolderKnowledge::Fact{
           Verdict::safeToClear,
           "Support data for connected iPhones/iPads. Recreated next time a device connects."}},
      {"group.com.apple.UserNotifications",
       FolderKnowledge::Fact{
           Verdict::systemRecreated,
           "Notification history and state. macOS recreates it; deleting clears notification "
           "history."}},
      {"com.apple.mail.backup", std::nullopt},  // exact names only, no prefixes
      // The patterns match anywhere in the name, Adobe's first.
      {"com.crashlytics", FolderKnowledge::Fact{Verdict::safeToClear, kCrash}},
      {"io.fabric.com.crashlytics.data", FolderKnowledge::Fact{Verdict::safeToClear, kCrash}},
      {"com.adobe.GrowthSDK", FolderKnowledge::Fact{Verdict::safeToClear, kAdobeSdk}},
      {"x.com.adobe.GrowthSDK.cache", FolderKnowledge::Fact{Verdict::safeToClear, kAdobeSdk}},
      {"com.crashlytics+com.adobe.GrowthSDK", FolderKnowledge::Fact{Verdict::safeToClear, kAdobeSdk}},
      {"com.adobe.GrowthSDK+com.crashlytics", FolderKnowledge::Fact{Verdict::safeToClear, kAdobeSdk}},
      {"com.Crashlytics", std::nullopt},
      {"com.adobe.growthsdk", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderKnowledge::fact(c.name), c.fact) << c.name;
}

TEST(FolderKnowledge, AppNotesInRuleOrder) {
  const std::string redGiant =
      "Red Giant plugin. Loads inside After Effects/Premiere, never opened directly.";
  const std::string encoder =
      "Renders exports for Premiere Pro & After Effects in the background. Keep it if you export video.";
  const std::string aescripts = "Manages After Effects plugins. Opened rarely by design.";
  const std::string misterHorse = "Installs Animation Composer plugins for After Effects.";
  const std::string adobe = "Part of Adobe's install/sync machinery. Required while you use Adobe apps.";
  struct Case {
    std::string name;
    std::optional<std::string> bundleID;
    std::optional<std::string> note;
  } cases[] = {
      {"Universe", std::nullopt, redGiant},
      {"Universe Dashboard", std::nullopt, redGiant},
      {"My Universe", std::nullopt, std::nullopt},
      {"universe", std::nullopt, std::nullopt},
      {"Tools", "com.redgiant.tools", redGiant},
      {"Tools", "com.maxon.universe.app", redGiant},
      {"Tools", "com.RedGiant.tools", std::nullopt},
      {"Tools", "", std::nullopt},
      {"Adobe Media Encoder 2024", std::nullopt, encoder},
      {"Media Encoder", "com.redgiant.x", redGiant},  // bundle rules come before the name rules
      {"Universe Media Encoder", std::nullopt, redGiant},
      {"aescripts + aeplugins manager", std::nullopt, aescripts},
      {"Media Encoder aescripts", std::nullopt, encoder},
      {"Mister Horse Product Manager", std::nullopt, misterHorse},
      {"aescripts Mister Horse", std::nullopt, aescripts},
      {"MisterHorse", std::nullopt, std::nullopt},
      {"Creative Cloud", std::nullopt, adobe},
      {"Adobe Creative Cloud", std::nullopt, std::nullopt},
      {"Creative Cloud Cleaner Tool", std::nullopt, std::nullopt},
      {"Adobe Content Synchronizer", std::nullopt, adobe},
      {"Adobe Content Synchronizer Helper", "com.adobe.acs", adobe},
      {"Preview", "com.apple.Preview", std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    std::optional<std::string_view> bundle;
    if (c.bundleID) bundle = *c.bundleID;
    EXPECT_EQ(FolderKnowledge::appNote(c.name, bundle), c.note) << c.name;
  }
}

}  // namespace
}  // namespace tidewell::engine
