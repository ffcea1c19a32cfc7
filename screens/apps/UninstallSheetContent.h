#pragma once
// What the uninstall sheet shows of a plan: the title, the count line and
// one row per item that will move (the application first, then each
// leftover in the plan's order). Every figure comes from the plan. Pure;
// any thread.

#include <QString>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "engine/apps/UninstallPlan.h"

namespace tidewell::screens {

struct UninstallRow {
  // "app" for the application row, else the leftover's id: what keeps a row
  // apart from another with the same title.
  QString key;
  design::SymbolName symbol;
  QString title;     // on one line, shortened in the middle
  QString subtitle;  // "Application", or the leftover's category
  QString sizeText;  // a negative size reads as zero bytes
};

struct UninstallSheetContent {
  QString title;      // "Uninstall " + name + "?"
  QString countLine;  // N + " items · " + total + " will move to the Trash"
  std::vector<UninstallRow> rows;
  // The plan has no leftovers: "No leftovers. Clean app." stands under
  // the application row.
  bool noLeftovers = false;
};

inline constexpr const char* kNoLeftoversNote = "No leftovers. Clean app.";

UninstallSheetContent uninstallSheetContent(const engine::UninstallPlan& plan);

// The last component of a path, shown as a name from the disk is
// ("/a/b/Foo" -> "Foo"; design::fileNameText); a trailing "/" is skipped
// over.
QString lastPathComponent(const std::string& path);

}  // namespace tidewell::screens
