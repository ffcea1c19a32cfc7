#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

using namespace design::literals;

design::SymbolName scanToolSymbol(ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return "sparkles"_symbol;
    case ScanTool::apps:
      return "square.grid.2x2.fill"_symbol;
    case ScanTool::deepScan:
      return "scope"_symbol;
    case ScanTool::advisor:
      break;
  }
  return "wand.and.stars"_symbol;
}

QString scanToolTitle(ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return QStringLiteral("Clean");
    case ScanTool::apps:
      return QStringLiteral("Apps");
    case ScanTool::deepScan:
      return QStringLiteral("Deep Scan");
    case ScanTool::advisor:
      break;
  }
  return QStringLiteral("Advisor");
}

const design::SectionPalette& scanToolPalette(ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return design::SectionPalette::clean();
    case ScanTool::apps:
      return design::SectionPalette::apps();
    case ScanTool::deepScan:
      return design::SectionPalette::deepScan();
    case ScanTool::advisor:
      break;
  }
  return design::SectionPalette::advisor();
}

}  // namespace tidewell::screens
