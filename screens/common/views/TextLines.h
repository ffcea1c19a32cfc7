#pragma once
// The pure rules of a screen text: which lines it takes at a width, how
// wide it is unwrapped and how high its lines are; and the paint function
// that draws those lines. Any thread that may use fonts (the GUI thread).

#include <QRectF>
#include <QString>
#include <QStringList>

#include "screens/common/views/TextLook.h"

class QPainter;

namespace tidewell::screens {

// The lines text takes within width under look: wrapped at word
// boundaries onto at most look.maxLines lines (0: no limit; explicit line
// breaks kept), the last line cut with an ellipsis when text remains; one
// line is cut as look.elide says. Trailing spaces of a wrapped line are
// dropped. An empty text gives no lines.
QStringList layOutLines(const QString& text, const TextLook& look, double width);

// The width of the text on one line per explicit line break (the widest).
double naturalTextWidth(const QString& text, const TextLook& look);

// The height of count lines (at least the reserved lines; one line for a
// count of 0 unless nothing is reserved, then 0).
double textBlockHeight(const TextLook& look, int count);

// Draws lines (from layOutLines) in rect: the block of lines centred
// vertically when rect is taller, each line aligned as the look says.
void paintTextLines(QPainter& painter, const QRectF& rect, const QStringList& lines, const TextLook& look);

}  // namespace tidewell::screens
