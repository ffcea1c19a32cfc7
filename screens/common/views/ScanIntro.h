#pragma once
// The intro of a tool before its first scan: the round start button with
// its symbol and title over a caption, centred in all the room it gets,
// padded 28. The caption (13 regular, secondary, one line, unless the look
// gives its own captionLook) sits 26 under the button; with a headline (14
// semibold) the headline and, 6 under it, the caption at most 420 wide sit
// 24 under the button. Nothing starts on its own: the button reports
// scanClicked(). The intro is the shadow host of the button's glow.
// Children "scanButton", "introHeadline", "introCaption". GUI thread only.

#include <QString>

#include "design/paint/ShadowLayer.h"
#include "design/symbols/SymbolTable.h"
#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

// The caption's look unless a ScanIntroLook sets its own.
TextLook scanIntroCaptionLook();

struct ScanIntroLook {
  design::SymbolName symbol;
  // The button's title.
  QString title;
  QString caption;
  TextLook captionLook = scanIntroCaptionLook();
  // Over the caption; empty: none.
  QString headline = {};
};

class ScanIntro : public design::ShadowHost {
  Q_OBJECT
 public:
  explicit ScanIntro(const ScanIntroLook& look, QWidget* parent = nullptr);

 Q_SIGNALS:
  void scanClicked();
};

}  // namespace tidewell::screens
