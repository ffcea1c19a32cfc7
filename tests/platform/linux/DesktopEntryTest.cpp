#include "platform/linux/DesktopEntry.h"

#include <gtest/gtest.h>

#include "testkit/support/ContainedRun.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/HostileFile.h"

namespace tidewell::platform {
namespace {

using namespace testing;

TEST(DesktopEntry, ParsesTheDesktopEntryGroupOnly) {
  struct Case {
    const char* what;
    const char* text;
    bool parses;
    const char* name;
    const char* program;
    bool shown;
  };
  const Case cases[] = {
      {"plain", "[Desktop Entry]\nType=Application\nName=Text Editor\nExec=/usr/bin/gedit %U\n", true,
       "Text Editor", "/usr/bin/gedit", true},
      {"spaces around = and CRLF",
       "[Desktop Entry]\r\nType = Application\r\nName = Files\r\nExec = nautilus\r\n", true, "Files",
       "nautilus", true},
      {"quoted program with spaces",
       "[Desktop Entry]\nType=Application\nName=A\nExec=\"/opt/My App/run\" --x %f\n", true, "A",
       "/opt/My App/run", true},
      {"escapes", "[Desktop Entry]\nType=Application\nName=Big\\sName\nExec=\"/opt/a\\\"b\"\n", true,
       "Big Name", "/opt/a\"b", true},
      {"localized names and actions do not count",
       "[Desktop Entry]\nName[de]=Editor DE\nType=Application\nName=Editor\nExec=ed\n"
       "[Desktop Action new]\nName=New Window\nExec=other --new\n",
       true, "Editor", "ed", true},
      {"the first of a repeated key counts",
       "[Desktop Entry]\nType=Application\nName=One\nName=Two\nExec=a\n", true, "One", "a", true},
      {"comments", "# hi\n[Desktop Entry]\n# Name=Comment\nType=Application\nName=C\n", true, "C", "", true},
      {"NoDisplay", "[Desktop Entry]\nType=Application\nName=H\nExec=h\nNoDisplay=true\n", true, "H", "h",
       false},
      {"Hidden", "[Desktop Entry]\nType=Application\nName=H\nExec=h\nHidden=true\n", true, "H", "h", false},
      {"Terminal", "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim\nTerminal=true\n", true, "Vim",
       "vim", false},
      {"NoDisplay=false stays shown", "[Desktop Entry]\nType=Application\nName=S\nNoDisplay=false\n", true,
       "S", "", true},
      {"a link is not an application", "[Desktop Entry]\nType=Link\nName=L\nURL=https://x\n", false, "", "",
       false},
      {"no type", "[Desktop Entry]\nName=N\nExec=n\n", false, "", "", false},
      {"type only in another group", "[Other]\nType=Application\n[Desktop Entry]\nName=N\n", false, "", "",
       false},
      {"no group", "Type=Application\nName=N\n", false, "", "", false},
      {"garbage", "\x01\x02\xff\n=\n[", false, "", "", false},
  };
  for (const Case& c : cases) {
    auto e = DesktopEntry::parse(c.text);
    ASSERT_EQ(e.has_value(), c.parses) << c.what;
    if (!e) continue;
    EXPECT_EQ(e->name, c.name) << c.what;
    EXPECT_EQ(e->program, c.program) << c.what;
    EXPECT_EQ(e->shown(), c.shown) << c.what;
  }
}

TEST(DesktopEntry, ReadsTheIconKeyAsWritten) {
  struct Case {
    const char* text;
    const char* icon;
  };
  const Case cases[] = {
      {"[Desktop Entry]\nType=Application\nName=A\nIcon=org.gnome.gedit\n", "org.gnome.gedit"},
      {"[Desktop Entry]\nType=Application\nName=A\nIcon = /opt/a/icon.png\n", "/opt/a/icon.png"},
      {"[Desktop Entry]\nType=Application\nName=A\nIcon[de]=de\nIcon=plain\n", "plain"},
      {"[Desktop Entry]\nType=Application\nName=A\n", ""},
      {"[Desktop Entry]\nType=Application\nName=A\n[Desktop Action x]\nIcon=action\n", ""},
  };
  for (const Case& c : cases) {
    auto e = DesktopEntry::parse(c.text);
    ASSERT_TRUE(e) << c.text;
    EXPECT_EQ(e->icon, c.icon) << c.text;
  }
}

TEST(DesktopEntry, FirstFolderDecidesEachIdAndSubfoldersJoinTheId) {
  FixtureHome fx;
  const std::string user = fx.path(".local/share/applications");
  const std::string system = fx.outside("system/usr/share/applications");
  auto app = [](const std::string& name, const std::string& extra = "") {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + name + "\n" + extra;
  };
  writeFile(user + "/editor.desktop", app("My Editor"));
  writeFile(user + "/removed.desktop", app("Removed", "Hidden=true\n"));
  writeFile(user + "/notes.txt", app("Not an entry"));
  writeFile(system + "/editor.desktop", app("System Editor"));
  writeFile(system + "/removed.desktop", app("Removed System"));
  writeFile(system + "/b.desktop", app("B"));
  writeFile(system + "/a.desktop", app("A"));
  writeFile(system + "/kde/tool.desktop", app("Kde Tool"));
  writeFile(system + "/helper.desktop", app("Helper", "NoDisplay=true\n"));
  writeFile(system + "/.desktop", app("Nameless"));
  fx.addOutside({folder("system/usr/share/applications/dir.desktop"),
                 fifo("system/usr/share/applications/pipe.desktop"),
                 symlink("system/usr/share/applications/loop", "{root}/system/usr/share")});

  const auto entries = DesktopEntry::readFolders({user, fx.outside("missing"), system});
  std::vector<std::string> seen;
  for (const auto& e : entries) seen.push_back(e.id + "=" + e.name);
  EXPECT_EQ(seen, (std::vector<std::string>{"editor=My Editor", "a=A", "b=B", "kde-tool=Kde Tool"}));
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries[0].path, user + "/editor.desktop");
}

// An entry the user's folder holds that is no small regular file decides
// nothing: the next folder's entry of the same id counts.
TEST(DesktopEntry, AnEntryThatIsNoSmallRegularFileIsIgnoredAndLeftAlone) {
  const std::string mine = "[Desktop Entry]\nType=Application\nName=My Editor\nExec=mine\n";
  for (const HostileFile kind : kHostileFiles) {
    SCOPED_TRACE(nameOf(kind));
    FixtureHome fx;
    const std::string user = fx.path(".local/share/applications");
    const std::string system = fx.outside("system/usr/share/applications");
    const std::string path = user + "/editor.desktop";
    placeHostileFile(path, kind, mine, DesktopEntry::kMaxBytes + 1);
    writeFile(user + "/notes.desktop", "[Desktop Entry]\nType=Application\nName=Notes\nExec=notes\n");
    writeFile(system + "/editor.desktop", "[Desktop Entry]\nType=Application\nName=System Editor\nExec=ed\n");
    const std::string before = entryState(path);

    const ContainedRun run = runContained([&] {
      std::string seen;
      for (const auto& e : DesktopEntry::readFolders({user, system})) seen += e.id + "=" + e.name + ";";
      return seen;
    });
    EXPECT_TRUE(run.ended);
    EXPECT_LT(run.peakGrowthBytes, kHostileFileMemoryBudget);
    if (run.ended) {
      EXPECT_EQ(run.text, "notes=Notes;editor=System Editor;");
    }
    EXPECT_EQ(entryState(path), before);
  }
}

}  // namespace
}  // namespace tidewell::platform
