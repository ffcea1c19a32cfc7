#pragma once
// The About content: the wordmark, two sentences on what the program does,
// tiles opening the maker's web site, Instagram and YouTube pages, the
// privacy statement with its policy link, the version line and "Done",
// 400 points wide on the window background, in the green section palette.
// It reads no model and writes no settings; "Done" only announces
// closeRequested(). AboutSheet shows it over the window. GUI thread only.

#include <QUrl>
#include <QWidget>
#include <functional>

#include "app/about/AboutLinks.h"

namespace tidewell::app {

class AboutView : public QWidget {
  Q_OBJECT
 public:
  // Opens an address; its outcome is not looked at.
  using Opener = std::function<void(const QUrl&)>;

  static constexpr int kWidth = 400;

  // The desktop's default browser.
  static Opener desktopOpener();
  // The version line of this build.
  static QString versionString();

  explicit AboutView(Opener open = desktopOpener(), AboutLinks links = AboutLinks::maker(),
                     QWidget* parent = nullptr);

  // Rounds the background's corners (a sheet over the window); 0 by default.
  void setCornerRadius(double radius);

 Q_SIGNALS:
  void closeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Opener open_;
  AboutLinks links_;
  double cornerRadius_ = 0;
};

}  // namespace tidewell::app
