#pragma once
// The maker's pages that About opens in the default browser.

#include <QUrl>

namespace tidewell::app {

struct AboutLinks {
  QUrl website;
  QUrl instagram;
  QUrl youtube;
  QUrl privacyPolicy;

  // Made once, on first use.
  static const AboutLinks& maker();
};

}  // namespace tidewell::app
