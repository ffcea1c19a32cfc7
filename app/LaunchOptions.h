#pragma once
// The application program's command line: an optional link to open (the
// desktop entry's %u, such as "tidewellmac://scan") and -h/--help. Read
// before the application object exists, so help and a mistyped option are
// answered without a display.

#include <QString>
#include <QStringList>

#include "app/LaunchRequest.h"

namespace tidewell::app {

struct LaunchOptions {
  LaunchRequest request;  // the link, else a reopen
  bool help = false;
  QString error;  // one sentence for the user; empty when the line was understood
  QString helpText;
};

// arguments with the program name first and Qt's own options already left
// out (base::programArguments).
LaunchOptions parseLaunchOptions(const QStringList& arguments);

}  // namespace tidewell::app
