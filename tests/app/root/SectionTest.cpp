#include "app/root/Section.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {
namespace {

using design::SectionPalette;

TEST(Section, SectionsInSidebarOrderWithTheirSymbolsAndPalettes) {
  struct Row {
    Section section;
    const char* title;
    const char* symbol;
    const SectionPalette& palette;
  };
  const Row table[] = {
      {Section::home, "Home", "house.fill", SectionPalette::clean()},
      {Section::clean, "Clean", "sparkles", SectionPalette::clean()},
      {Section::devMode, "Dev Mode", "chevron.left.forwardslash.chevron.right", SectionPalette::devMode()},
      {Section::apps, "Apps", "square.grid.2x2.fill", SectionPalette::apps()},
      {Section::performance, "Performance", "speedometer", SectionPalette::performance()},
      {Section::deepScan, "Deep Scan", "scope", SectionPalette::deepScan()},
      {Section::advisor, "Advisor", "wand.and.stars", SectionPalette::advisor()},
  };
  ASSERT_EQ(std::size(table), allSections.size());
  for (size_t i = 0; i < allSections.size(); ++i) {
    const Row& row = table[i];
    EXPECT_EQ(allSections[i], row.section) << row.title;
    EXPECT_EQ(sectionTitle(row.section), QString::fromUtf8(row.title));
    EXPECT_EQ(sectionSymbol(row.section).text(), QString::fromUtf8(row.symbol));
    EXPECT_FALSE(design::phosphorGlyph(sectionSymbol(row.section).text()).isEmpty()) << row.symbol;
    EXPECT_EQ(sectionPalette(row.section), row.palette) << row.title;
    EXPECT_EQ(sectionFromTitle(QString::fromUtf8(row.title)), row.section);
  }
}

TEST(Section, OnlyAnExactTitleNamesASection) {
  for (const char* text : {"deep scan", "Deep  Scan", " Home", "Home ", "HOME", "", "DevMode", "devMode"}) {
    EXPECT_FALSE(sectionFromTitle(QString::fromUtf8(text))) << text;
  }
}

TEST(Section, DevModeIsListedOnlyWithDeveloperTools) {
  const auto titles = [](bool tools) {
    QStringList list;
    for (const Section section : visibleSections(tools)) list << sectionTitle(section);
    return list;
  };
  EXPECT_EQ(titles(false), (QStringList{"Home", "Clean", "Apps", "Performance", "Deep Scan", "Advisor"}));
  EXPECT_EQ(titles(true),
            (QStringList{"Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor"}));
}

}  // namespace
}  // namespace tidewell::app
