#include <plist/plist.h>

#include <cstdlib>
#include <regex>
#include <set>

#include <gtest/gtest.h>

#include "engine/performance/PerformanceService.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

// A launch property list: Label, Program and ProgramArguments when given.
struct Agent {
  std::optional<std::string> label;
  std::optional<std::string> program;
  std::optional<std::vector<std::string>> arguments;
};

plist_t dictionaryOf(const Agent& a) {
  plist_t dict = plist_new_dict();
  if (a.label) plist_dict_set_item(dict, "Label", plist_new_string(a.label->c_str()));
  if (a.program) plist_dict_set_item(dict, "Program", plist_new_string(a.program->c_str()));
  if (a.arguments) {
    plist_t array = plist_new_array();
    for (const auto& s : *a.arguments) plist_array_append_item(array, plist_new_string(s.c_str()));
    plist_dict_set_item(dict, "ProgramArguments", array);
  }
  plist_dict_set_item(dict, "RunAtLoad", plist_new_bool(1));
  return dict;
}

void writeBinary(const std::string& path, plist_t root) {
  char* bytes = nullptr;
  uint32_t length = 0;
  plist_to_bin(root, &bytes, &length);
  writeFile(path, std::string(bytes, length));
  plist_to_bin_free(bytes);
  plist_free(root);
}

void writeXml(const std::string& path, plist_t root) {
  char* text = nullptr;
  uint32_t length = 0;
  plist_to_xml(root, &text, &length);
  writeFile(path, std::string(text, length));
  plist_to_xml_free(text);
  plist_free(root);
}

std::vector<std::string> summary(const std::vector<LoginItem>& items, const FixtureHome& fx) {
  std::vector<std::string> out;
  for (const auto& i : items) {
    std::string where = i.plistURL.substr(fx.root().size());
    out.push_back(i.label + " | " + i.program + " | " + i.scope + " | " + where);
  }
  return out;
}

TEST(PerformanceServiceLoginItems, OneListByLabelAcrossTheThreeFolders) {
  FixtureHome fx;
  const std::string you = fx.path("Library/LaunchAgents");
  const std::string agents = fx.outside("system/Library/LaunchAgents");
  const std::string daemons = fx.outside("system/Library/LaunchDaemons");

  writeXml(you + "/com.user.sync.plist",
           dictionaryOf(
               {"Sync Helper", std::nullopt, std::vector<std::string>{"/usr/bin/sync-helper", "--daemon"}}));
  writeXml(you + "/zeta.agent.plist", dictionaryOf({std::nullopt, "/opt/zeta", std::nullopt}));
  writeXml(you + "/.hidden.plist", dictionaryOf({"hidden agent", "/opt/h", std::nullopt}));
  writeXml(you + "/X.PLIST", dictionaryOf({"Upper Case", "/x", std::nullopt}));
  writeXml(you + "/noextension", dictionaryOf({"No Extension", "/x", std::nullopt}));
  writeXml(you + "/a.plist.bak", dictionaryOf({"Backup Copy", "/x", std::nullopt}));

  writeBinary(agents + "/com.vendor.updater.plist",
              dictionaryOf({"apple updater", std::nullopt, std::nullopt}));
  writeBinary(agents + "/both.plist",
              dictionaryOf({"Both", "/usr/bin/program", std::vector<std::string>{"/args"}}));
  plist_t array = plist_new_array();
  plist_array_append_item(array, dictionaryOf({"In An Array", "/x", std::nullopt}));
  writeXml(agents + "/array.plist", array);
  writeFile(agents + "/garbage.plist", "<?xml version=\"1.0\"?><plist><dict><key>Label");
  writeFile(agents + "/binary-garbage.plist", std::string("bplist00\x01\x02\x03\xff\xff\xff\xff", 16));
  writeFile(agents + "/empty.plist", "");
  {
    plist_t mixed = dictionaryOf({"Mixed Arguments", std::nullopt, std::nullopt});
    plist_t args = plist_new_array();
    plist_array_append_item(args, plist_new_uint(1));
    plist_array_append_item(args, plist_new_string("/bin/x"));
    plist_dict_set_item(mixed, "ProgramArguments", args);
    plist_dict_set_item(mixed, "Program", plist_new_uint(7));
    writeXml(agents + "/mixed.plist", mixed);
  }
  writeBinary(agents + "/empty-args.plist",
              dictionaryOf({"Empty Arguments", std::nullopt, std::vector<std::string>{}}));
  {
    plist_t wrong = dictionaryOf({std::nullopt, "/opt/wrong", std::nullopt});
    plist_dict_set_item(wrong, "Label", plist_new_uint(5));
    writeBinary(agents + "/com.wrong.label.plist", wrong);
  }

  writeBinary(daemons + "/com.vendor.backupd.plist",
              dictionaryOf({"Backup Daemon", "/usr/libexec/backupd", std::nullopt}));
  writeBinary(daemons + "/sync.plist", dictionaryOf({"sync helper", "/usr/sbin/syncd", std::nullopt}));
  fx.addOutside(
      {folder("system/Library/LaunchDaemons/folder.plist"), fifo("system/Library/LaunchDaemons/pipe.plist")});

  const auto items = PerformanceService::loginItems(fx.context());
  EXPECT_EQ(summary(items, fx),
            (std::vector<std::string>{
                "apple updater | — | System | /system/Library/LaunchAgents/com.vendor.updater.plist",
                "Backup Daemon | /usr/libexec/backupd | System | "
                "/system/Library/LaunchDaemons/com.vendor.backupd.plist",
                "Both | /usr/bin/program | System | /system/Library/LaunchAgents/both.plist",
                "com.wrong.label | /opt/wrong | System | /system/Library/LaunchAgents/com.wrong.label.plist",
                "Empty Arguments | — | System | /system/Library/LaunchAgents/empty-args.plist",
                "hidden agent | /opt/h | You | /home/Library/LaunchAgents/.hidden.plist",
                "Mixed Arguments | — | System | /system/Library/LaunchAgents/mixed.plist",
                // Equal labels, case aside: the user's folder comes first.
                "Sync Helper | /usr/bin/sync-helper | You | /home/Library/LaunchAgents/com.user.sync.plist",
                "sync helper | /usr/sbin/syncd | System | /system/Library/LaunchDaemons/sync.plist",
                "zeta.agent | /opt/zeta | You | /home/Library/LaunchAgents/zeta.agent.plist",
            }));

  // Every read hands out fresh, well-formed identifiers.
  const std::regex uuid("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
  std::set<std::string> ids;
  for (const auto& i : items) {
    EXPECT_TRUE(std::regex_match(i.id, uuid)) << i.id;
    ids.insert(i.id);
  }
  for (const auto& i : PerformanceService::loginItems(fx.context())) ids.insert(i.id);
  EXPECT_EQ(ids.size(), 2 * items.size());
}

TEST(PerformanceServiceLoginItems, MissingFoldersAndAnUnusableHome) {
  FixtureHome fx;
  EXPECT_TRUE(PerformanceService::loginItems(fx.context()).empty());

  writeXml(fx.path("Library/LaunchAgents/mine.plist"), dictionaryOf({"Mine", "/m", std::nullopt}));
  writeXml(fx.outside("system/Library/LaunchDaemons/d.plist"), dictionaryOf({"Daemon", "/d", std::nullopt}));
  auto ctx = fx.context();
  ctx.home = "";
  const auto items = PerformanceService::loginItems(ctx);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].label, "Daemon");
  EXPECT_EQ(items[0].scope, "System");
}

}  // namespace
}  // namespace tidewell::engine
