#pragma once
// Single lines of text drawn as QPainter::drawText draws them, with the
// shaping kept: a window whose backdrop drifts repaints every label ten
// times a second, and shaping (finding and placing the glyphs) is most of
// what drawing a line costs. The glyphs of each line, font and device
// resolution are laid out once and kept for the process (the most recently
// used few thousand), so later draws only blit the cached glyphs, through
// the same paths, onto the same pixels.
//
// What drawText does beyond one plain line (wrapping, several lines, tabs
// expanded, mnemonics, right-to-left painters, length variants) is left to
// drawText itself. GUI thread only.

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tidewell::design {

// As painter.drawText(rect, flags, text).
void drawShapedText(QPainter& painter, const QRectF& rect, int flags, const QString& text);

// As painter.drawText(baseline, text): the text's baseline starts there.
void drawShapedText(QPainter& painter, const QPointF& baseline, const QString& text);

// How many lines were shaped so far, for tests.
int shapedTextLayouts();

}  // namespace tidewell::design
