#pragma once
// The dismissible banner that reports an outcome in one sentence: a glow
// card holding, in a row centred vertically, a symbol, the text (an
// optional title over the message) and an "xmark" button (11 semibold,
// secondary) that reports dismissed(). The screen clears the outcome in
// its model on dismissed() and drops the banner; the banner never hides
// itself. Every number of the look comes from the screen (see BannerLook).
// A reader hears it as an alert when it comes into view and again when
// its text changes while it is shown. GUI thread only.

#include <optional>

#include "design/components/GlowCard.h"
#include "design/symbols/SymbolTable.h"
#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

class SymbolButton;
class SymbolView;
class TextLabel;

struct BannerLook {
  design::GlowCardLook card;  // glow (none: the accent's primary), corner radius, padding
  double spacing = 10;        // between symbol, text, spacer and button
  design::SymbolName symbol{QStringLiteral("info.circle.fill")};
  std::optional<QColor> symbolColour;  // none: the accent's primary
  double symbolSize = 13;              // the platform's default text size
  design::FontWeight symbolWeight = design::FontWeight::Regular;
  TextLook title = textLook(12.5, design::FontWeight::Semibold);
  TextLook message = textLook(12).lines(2);
  double textSpacing = 2;  // between title and message
  bool operator==(const BannerLook&) const = default;
};

class ResultBanner : public design::GlowCard {
  Q_OBJECT
  Q_PROPERTY(QString text READ message)
 public:
  explicit ResultBanner(BannerLook look, QWidget* parent = nullptr);

  const BannerLook& look() const { return look_; }
  void setLook(const BannerLook& look);
  // The text shown: a title (none: the message alone) and the message.
  void setText(std::optional<QString> title, const QString& message);
  std::optional<QString> title() const { return title_; }
  const QString& message() const { return message_; }

  SymbolButton* dismissButton() const { return dismiss_; }

 Q_SIGNALS:
  void dismissed();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  BannerLook look_;
  std::optional<QString> title_;
  QString message_;
  SymbolView* symbolView_ = nullptr;
  TextLabel* titleLabel_ = nullptr;
  TextLabel* messageLabel_ = nullptr;
  SymbolButton* dismiss_ = nullptr;
};

}  // namespace tidewell::screens
