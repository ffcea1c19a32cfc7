#include "app/ScanLink.h"

#include <QUrl>

namespace tidewell::app {

// QUrl lowercases hosts, so the host is cut from the text itself; QUrl only
// vouches that the text is a link at all.
std::optional<QString> linkHost(const QString& link) {
  const QUrl url(link, QUrl::StrictMode);
  if (!url.isValid() || url.scheme().isEmpty()) return std::nullopt;
  const qsizetype colon = link.indexOf(u':');
  if (colon < 0 || link.mid(colon + 1, 2) != QLatin1String("//")) return std::nullopt;

  const qsizetype start = colon + 3;
  qsizetype end = link.size();
  for (const char16_t stop : {u'/', u'?', u'#'}) {
    const qsizetype at = link.indexOf(stop, start);
    if (at >= 0 && at < end) end = at;
  }
  QString host = link.mid(start, end - start);
  if (const qsizetype at = host.lastIndexOf(u'@'); at >= 0) host = host.mid(at + 1);
  if (!host.startsWith(u'[')) {
    if (const qsizetype port = host.indexOf(u':'); port >= 0) host.truncate(port);
  }
  if (host.isEmpty()) return std::nullopt;
  return host;
}

bool isScanLink(const QString& link) { return linkHost(link) == QStringLiteral("scan"); }

}  // namespace tidewell::app
