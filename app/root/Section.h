#pragma once
// The seven sections of the main window, in sidebar order. A section's
// title is also what the bridge's open-section request names, so a title
// selects its section only when it matches exactly (case and blanks
// included).

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {

enum class Section { home, clean, devMode, apps, performance, deepScan, advisor };

inline constexpr std::array<Section, 7> allSections = {
    Section::home,        Section::clean,    Section::devMode, Section::apps,
    Section::performance, Section::deepScan, Section::advisor};

// "Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor".
QString sectionTitle(Section section);
// The sidebar's symbol of the section.
design::SymbolName sectionSymbol(Section section);
// The section's colours; Home and Clean share the green one.
const design::SectionPalette& sectionPalette(Section section);

// The section whose title is exactly text, else none.
std::optional<Section> sectionFromTitle(const QString& text);

// The sidebar's rows: every section in order, Dev Mode only when developer
// tools are installed.
std::vector<Section> visibleSections(bool hasDevTools);

}  // namespace tidewell::app
