#include "screens/smartscan/ToolCardStatus.h"

#include "design/theme/Color.h"

namespace tidewell::screens {

using Kind = ToolCardStatus::Kind;

ToolCardLook toolCardLook(const ToolCardStatus& status, const QColor& primary, bool hovering) {
  const bool lit = status.kind == Kind::active || (status.kind == Kind::done && hovering);
  const bool dim = status.kind == Kind::waiting || status.kind == Kind::skipped;
  return {lit ? design::Color::withOpacity(primary, 0.55) : design::Color::hairline(), dim ? 0.55 : 1.0};
}

QString toolCardStatusText(const ToolCardStatus& status) {
  switch (status.kind) {
    case Kind::waiting:
      return QStringLiteral("up next");
    case Kind::active:
      return QStringLiteral("scanning\u2026");
    case Kind::skipped:
      return QStringLiteral("skipped");
    case Kind::done:
      break;
  }
  return status.text;
}

QString toolCardDoneNote(bool hovering) {
  return hovering ? QStringLiteral("tap to view") : QStringLiteral("done");
}

}  // namespace tidewell::screens
