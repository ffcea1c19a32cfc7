#pragma once
// The widget program's command line: --family small|medium (default small),
// --placeholder (show the stand-in figures, never measure) and -h/--help.
// Read before the application object exists, so help and a mistyped option
// are answered without a display.

#include <QString>
#include <QStringList>

#include "widget/timeline/WidgetFamily.h"

namespace tidewell::widget {

struct WidgetOptions {
  WidgetFamily family = WidgetFamily::Small;
  bool placeholder = false;
  bool help = false;
  QString error;  // one sentence for the user; empty when the line was understood
  QString helpText;
};

// arguments with the program name first and Qt's own options already left
// out (base::programArguments).
WidgetOptions parseWidgetOptions(const QStringList& arguments);

}  // namespace tidewell::widget
