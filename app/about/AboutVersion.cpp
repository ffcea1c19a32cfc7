#include "app/about/AboutVersion.h"

#ifndef TIDEWELL_VERSION
#define TIDEWELL_VERSION ""
#endif
#ifndef TIDEWELL_BUILD_NUMBER
#define TIDEWELL_BUILD_NUMBER ""
#endif

namespace tidewell::app {

namespace {
std::optional<QString> given(const char* text) {
  const QString value = QString::fromUtf8(text);
  if (value.isEmpty()) return std::nullopt;
  return value;
}
}  // namespace

QString aboutVersionLine(const std::optional<QString>& shortVersion, const std::optional<QString>& build) {
  QString line = QStringLiteral("Version ") + shortVersion.value_or(QStringLiteral("1.0.0"));
  if (build) line += QStringLiteral(" (") + *build + QLatin1Char(')');
  return line;
}

QString aboutVersionLine() { return aboutVersionLine(given(TIDEWELL_VERSION), given(TIDEWELL_BUILD_NUMBER)); }

}  // namespace tidewell::app
