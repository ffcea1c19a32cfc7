#pragma once
// The four tools a Smart Scan runs, in the order it runs them (also the
// order of the ring's segments, the tool cards and Home's tiles), with the
// symbol, title and palette each is shown with. Asking for one of them to
// be shown (a toolRequested(tool) signal) is how both Home and the Smart
// Scan screen change the window's section: the root view maps a tool to
// its section.

#include <QString>
#include <array>

#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::screens {

enum class ScanTool { clean, apps, deepScan, advisor };

inline constexpr std::array<ScanTool, 4> allScanTools = {ScanTool::clean, ScanTool::apps, ScanTool::deepScan,
                                                         ScanTool::advisor};

// "sparkles", "square.grid.2x2.fill", "scope", "wand.and.stars".
design::SymbolName scanToolSymbol(ScanTool tool);
// "Clean", "Apps", "Deep Scan", "Advisor".
QString scanToolTitle(ScanTool tool);
// Green, purple, blue, orange.
const design::SectionPalette& scanToolPalette(ScanTool tool);

}  // namespace tidewell::screens
