#include "app/LaunchRequest.h"

namespace tidewell::app {

namespace {
constexpr char kReopen[] = "reopen";
constexpr char kLinkPrefix[] = "link ";
}  // namespace

LaunchRequest LaunchRequest::fromArguments(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (!argument.isEmpty() && !argument.startsWith(u'-')) return openLink(argument);
  }
  return reopen();
}

QByteArray LaunchRequest::encode() const {
  if (kind == Kind::Reopen) return QByteArray(kReopen) + '\n';
  // Percent-encoding keeps a newline inside a link from ending the line.
  return QByteArray(kLinkPrefix) + link.toUtf8().toPercentEncoding() + '\n';
}

std::optional<LaunchRequest> LaunchRequest::decode(const QByteArray& line) {
  if (line == kReopen) return reopen();
  if (line.startsWith(kLinkPrefix)) {
    const QByteArray encoded = line.mid(qsizetype(sizeof(kLinkPrefix) - 1));
    if (encoded.isEmpty()) return std::nullopt;
    return openLink(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded)));
  }
  return std::nullopt;
}

}  // namespace tidewell::app
