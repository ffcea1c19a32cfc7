#pragma once
// What a tool card under the Smart Scan ring says about its tool, and how
// the card looks for it. Pure; any thread.

#include <QColor>
#include <QString>

namespace tidewell::screens {

struct ToolCardStatus {
  enum class Kind { done, waiting, active, skipped };

  Kind kind = Kind::waiting;
  QString text;  // the result, for done only

  static ToolCardStatus done(QString result) { return {Kind::done, std::move(result)}; }
  static ToolCardStatus waiting() { return {Kind::waiting, {}}; }
  static ToolCardStatus active() { return {Kind::active, {}}; }
  static ToolCardStatus skipped() { return {Kind::skipped, {}}; }

  // Equal when the kind is, and for done the text too.
  bool operator==(const ToolCardStatus& other) const {
    return kind == other.kind && (kind != Kind::done || text == other.text);
  }
};

struct ToolCardLook {
  QColor border;   // the 1-point inside edge
  double opacity;  // of the whole card
  bool operator==(const ToolCardLook&) const = default;
};

// The palette's primary at 0.55 while active, or done under the pointer;
// the hairline otherwise. Opacity 0.55 while waiting or skipped, else 1.
ToolCardLook toolCardLook(const ToolCardStatus& status, const QColor& primary, bool hovering);

// The status line's main text: "up next", "scanning…", "skipped", or the
// result.
QString toolCardStatusText(const ToolCardStatus& status);

// Under a done result: "tap to view" while the pointer is over the card,
// else "done".
QString toolCardDoneNote(bool hovering);

}  // namespace tidewell::screens
