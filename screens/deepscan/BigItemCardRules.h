#pragma once
// What a big-item card shows for an item: its colour, kind badge, tile
// symbol, note, size and which actions it offers, with their tooltips.
// Pure; any thread.

#include <QColor>
#include <QString>
#include <optional>
#include <string>

#include "design/symbols/SymbolTable.h"
#include "engine/deepscan/BigItem.h"

namespace tidewell::screens {

// The card's colour, by the kind's tint name: the bucket tints, except that
// other takes the secondary text colour rather than its bucket's white.
QColor cardTint(engine::BigItem::Kind kind);

// "Reclaim inside the tool", "Installer · safe to remove", ...
QString kindBadge(engine::BigItem::Kind kind);

// "folder.fill" for a folder, else "doc.fill".
design::SymbolName tileSymbol(bool isDirectory);

// The item's note, or the sentence asking the user to look first.
QString noteText(const std::optional<std::string>& note);

// Reveal is always offered. A container is never trashed here; one with a
// reclaim command offers to copy it instead.
struct CardActions {
  bool copyCommand = false;
  bool trash = false;
  bool operator==(const CardActions&) const = default;
};
CardActions cardActions(const engine::BigItem& item);

// The copy button's label and symbol, before and during the two seconds
// after a copy.
QString copyLabel(bool copied);
design::SymbolName copySymbol(bool copied);

QString revealHelp();
QString copyHelp(const std::string& command);
QString trashHelp(const std::string& name);

}  // namespace tidewell::screens
