#include "app/root/Mode.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "design/SectionPalette.h"
#include "design/SymbolTable.h"

namespace tidewell::app {
namespace {

using design::SectionPalette;

TEST(Mode, SectionsInSidebarOrderWithTheirSymbolsAndPalettes) {
  struct Row {
    Mode mode;
    const char* title;
    const char* symbol;
    const SectionPalette& palette;
  };
  const Row table[] = {
      {Mode::home, "Home", "house.fill", SectionPalette::clean()},
      {Mode::clean, "Clean", "sparkles", SectionPalette::clean()},
      {Mode::devMode, "Dev Mode", "chevron.left.forwardslash.chevron.right", SectionPalette::devMode()},
      {Mode::apps, "Apps", "square.grid.2x2.fill", SectionPalette::apps()},
      {Mode::performance, "Performance", "speedometer", SectionPalette::performance()},
      {Mode::deepScan, "Deep Scan", "scope", SectionPalette::deepScan()},
      {Mode::advisor, "Advisor", "wand.and.stars", SectionPalette::advisor()},
  };
  ASSERT_EQ(std::size(table), allModes.size());
  for (size_t i = 0; i < allModes.size(); ++i) {
    const Row& row = table[i];
    EXPECT_EQ(allModes[i], row.mode) << row.title;
    EXPECT_EQ(modeTitle(row.mode), QString::fromUtf8(row.title));
    EXPECT_EQ(modeSymbol(row.mode).text(), QString::fromUtf8(row.symbol));
    EXPECT_FALSE(design::phosphorGlyph(modeSymbol(row.mode).text()).isEmpty()) << row.symbol;
    EXPECT_EQ(modePalette(row.mode), row.palette) << row.title;
    EXPECT_EQ(modeFromTitle(QString::fromUtf8(row.title)), row.mode);
  }
}

TEST(Mode, OnlyAnExactTitleNamesASection) {
  for (const char* text : {"deep scan", "Deep  Scan", " Home", "Home ", "HOME", "", "DevMode", "devMode"}) {
    EXPECT_FALSE(modeFromTitle(QString::fromUtf8(text))) << text;
  }
}

TEST(Mode, DevModeIsListedOnlyWithDeveloperTools) {
  const auto titles = [](bool tools) {
    QStringList list;
    for (const Mode mode : visibleModes(tools)) list << modeTitle(mode);
    return list;
  };
  EXPECT_EQ(titles(false), (QStringList{"Home", "Clean", "Apps", "Performance", "Deep Scan", "Advisor"}));
  EXPECT_EQ(titles(true),
            (QStringList{"Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor"}));
}

}  // namespace
}  // namespace tidewell::app
