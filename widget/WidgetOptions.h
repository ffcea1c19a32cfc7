#pragma once
// The widget program's command line: --family small|medium (default small)
// and --placeholder (show the stand-in figures, never measure).

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

// arguments as QCoreApplication::arguments() gives them (program first).
WidgetOptions parseWidgetOptions(const QStringList& arguments);

}  // namespace tidewell::widget
