#pragma once
// How a cleanup category is named and drawn on the Clean screens: its
// title (the category's own raw value) and its symbol, shared by the rail
// rows and the items header.

#include <QString>

#include "design/symbols/SymbolTable.h"
#include "engine/clean/CleanupCategory.h"

namespace tidewell::screens {

// "Developer Caches", "AI Caches", "App Caches", "System".
QString categoryTitle(engine::CleanupCategory category);
// "hammer.fill", "brain.head.profile", "app.badge.fill", "trash.fill".
design::SymbolName categorySymbol(engine::CleanupCategory category);

}  // namespace tidewell::screens
