#pragma once
// The place of a screen's outcome banner: shown, holding a ResultBanner of
// the look given, while the model has a message; hidden (taking no room,
// its margins included) while it has none. An outcome whose look follows
// it (a tint per result) brings its own look and title, and the banner
// shown takes them on. Its close button reports
// dismissed(); the screen then clears the model's message, and the
// message's end drops the banner (deleted later: the click is still in
// it). GUI thread only.

#include <QPointer>
#include <QWidget>
#include <optional>

#include "screens/common/views/ResultBanner.h"

namespace tidewell::screens {

class MessageBanner : public QWidget {
  Q_OBJECT
 public:
  // margins: around the banner while it is shown.
  MessageBanner(BannerLook look, QMargins margins = {}, QWidget* parent = nullptr);

  void setMessage(const std::optional<QString>& message);
  // Shows title (none: the message alone) over message, in look.
  void setMessage(const BannerLook& look, const std::optional<QString>& title, const QString& message);
  // The banner while there is a message; nullptr otherwise.
  ResultBanner* banner() const { return banner_; }

 Q_SIGNALS:
  void dismissed();

 private:
  BannerLook look_;
  QPointer<ResultBanner> banner_;
};

}  // namespace tidewell::screens
