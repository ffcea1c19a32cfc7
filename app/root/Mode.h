#pragma once
// The seven sections of the main window, in sidebar order. A section's
// title is also what the bridge's open-section request names, so a title
// selects its section only when it matches exactly (case and blanks
// included).

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "design/SectionPalette.h"
#include "design/SymbolTable.h"

namespace tidewell::app {

enum class Mode { home, clean, devMode, apps, performance, deepScan, advisor };

inline constexpr std::array<Mode, 7> allModes = {Mode::home,        Mode::clean,    Mode::devMode, Mode::apps,
                                                 Mode::performance, Mode::deepScan, Mode::advisor};

// "Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor".
QString modeTitle(Mode mode);
// The sidebar's symbol of the section.
design::SymbolName modeSymbol(Mode mode);
// The section's colours; Home and Clean share the green one.
const design::SectionPalette& modePalette(Mode mode);

// The section whose title is exactly text, else none.
std::optional<Mode> modeFromTitle(const QString& text);

// The sidebar's rows: every section in order, Dev Mode only when developer
// tools are installed.
std::vector<Mode> visibleModes(bool hasDevTools);

}  // namespace tidewell::app
