#include "design/type/FileNameText.h"

namespace tidewell::design {

namespace {

bool isBidiControl(char16_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
         c == 0x061C;
}

}  // namespace

QString fileNameText(const QString& name) {
  QString shown;
  shown.reserve(name.size());
  for (const QChar c : name) {
    if (isBidiControl(c.unicode()))
      shown += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    else
      shown += c;
  }
  return shown;
}

QString fileNameText(const std::string& utf8) { return fileNameText(QString::fromStdString(utf8)); }

}  // namespace tidewell::design
