#include "app/about/AboutLinks.h"

namespace tidewell::app {

const AboutLinks& AboutLinks::maker() {
  static const AboutLinks links{
      QUrl(QStringLiteral("https://tidewell.app")),
      QUrl(QStringLiteral("https://www.instagram.com/tidewellapp")),
      QUrl(QStringLiteral("https://www.youtube.com/@tidewellapp")),
      QUrl(QStringLiteral("https://tidewell.app/privacy")),
  };
  return links;
}

}  // namespace tidewell::app
