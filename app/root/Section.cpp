#include "app/root/Section.h"

namespace tidewell::app {

using namespace design::literals;

QString sectionTitle(Section section) {
  switch (section) {
    case Section::home:
      return QStringLiteral("Home");
    case Section::clean:
      return QStringLiteral("Clean");
    case Section::devMode:
      return QStringLiteral("Dev Mode");
    case Section::apps:
      return QStringLiteral("Apps");
    case Section::performance:
      return QStringLiteral("Performance");
    case Section::deepScan:
      return QStringLiteral("Deep Scan");
    case Section::advisor:
      return QStringLiteral("Advisor");
  }
  return {};
}

design::SymbolName sectionSymbol(Section section) {
  switch (section) {
    case Section::home:
      return "house.fill"_symbol;
    case Section::clean:
      return "sparkles"_symbol;
    case Section::devMode:
      return "chevron.left.forwardslash.chevron.right"_symbol;
    case Section::apps:
      return "square.grid.2x2.fill"_symbol;
    case Section::performance:
      return "speedometer"_symbol;
    case Section::deepScan:
      return "scope"_symbol;
    case Section::advisor:
      return "wand.and.stars"_symbol;
  }
  return "sparkles"_symbol;
}

const design::SectionPalette& sectionPalette(Section section) {
  using design::SectionPalette;
  switch (section) {
    case Section::home:
    case Section::clean:
      return SectionPalette::clean();
    case Section::devMode:
      return SectionPalette::devMode();
    case Section::apps:
      return SectionPalette::apps();
    case Section::performance:
      return SectionPalette::performance();
    case Section::deepScan:
      return SectionPalette::deepScan();
    case Section::advisor:
      return SectionPalette::advisor();
  }
  return SectionPalette::clean();
}

std::optional<Section> sectionFromTitle(const QString& text) {
  for (const Section section : allSections) {
    if (sectionTitle(section) == text) return section;
  }
  return std::nullopt;
}

std::vector<Section> visibleSections(bool hasDevTools) {
  std::vector<Section> shown;
  for (const Section section : allSections) {
    if (section != Section::devMode || hasDevTools) shown.push_back(section);
  }
  return shown;
}

}  // namespace tidewell::app
