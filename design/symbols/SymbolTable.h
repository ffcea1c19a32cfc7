#pragma once
// The one table from the system symbol names the screens use to the
// vendored Phosphor glyphs (resources/Symbols, MIT). A name ending ".fill"
// takes the fill weight; any other name takes the light, regular or bold
// weight that matches the weight of the text it stands in.

#include <QString>
#include <QStringList>

#include "design/type/FontWeight.h"

namespace tidewell::design {

// A symbol name as written in the sources. Symbol names are written as
// literals, "sparkles"_symbol, so every name a screen uses can be found and
// checked against the table.
class SymbolName {
 public:
  explicit SymbolName(QString text) : text_(std::move(text)) {}
  const QString& text() const { return text_; }
  bool operator==(const SymbolName&) const = default;

 private:
  QString text_;
};

namespace literals {
inline SymbolName operator""_symbol(const char* text, std::size_t length) {
  return SymbolName(QString::fromLatin1(text, qsizetype(length)));
}
}  // namespace literals

enum class SymbolWeight { Light, Regular, Bold, Fill };

// Thin, ultra-light and light text: light strokes; regular and medium:
// regular; semibold and heavier: bold.
SymbolWeight symbolWeightFor(FontWeight weight);

// The Phosphor glyph base name for a symbol name ("xmark" -> "x"), or an
// empty string for a name outside the table.
QString phosphorGlyph(const QString& symbolName);

// The weight a symbol is drawn in: fill for ".fill" names, else as above.
SymbolWeight symbolWeight(const QString& symbolName, FontWeight textWeight);

// Qt resource path of the glyph's SVG (":/tidewell/symbols/..."), or an
// empty string for a name outside the table.
QString symbolResourcePath(const QString& symbolName, FontWeight textWeight);

// Every symbol name of the table, in table order.
QStringList knownSymbolNames();

}  // namespace tidewell::design
