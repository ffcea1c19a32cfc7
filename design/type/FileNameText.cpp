#include "design/type/FileNameText.h"

#include "base/FileNameText.h"

namespace tidewell::design {

QString fileNameText(const QString& name) {
  QString shown;
  shown.reserve(name.size());
  for (const QChar c : name) {
    if (base::isBidiControl(c.unicode()))
      shown += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    else
      shown += c;
  }
  return shown;
}

QString fileNameText(const std::string& bytes) { return QString::fromStdString(base::fileNameText(bytes)); }

}  // namespace tidewell::design
