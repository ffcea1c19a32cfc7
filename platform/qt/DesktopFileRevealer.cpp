#include "platform/qt/DesktopFileRevealer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include "platform/qt/PlatformLog.h"

namespace tidewell::platform {

namespace {
constexpr const char* kService = "org.freedesktop.FileManager1";
constexpr const char* kPath = "/org/freedesktop/FileManager1";
constexpr const char* kInterface = "org.freedesktop.FileManager1";
// A file manager that is started on demand may take a moment to answer.
constexpr int kTimeoutMs = 8000;
}  // namespace

DesktopFileRevealer::DesktopFileRevealer(QObject* parent)
    : QObject(parent),
      showItems_(sessionBusShowItems(this)),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

DesktopFileRevealer::DesktopFileRevealer(ShowItems showItems, OpenUrl openUrl, QObject* parent)
    : QObject(parent), showItems_(std::move(showItems)), openUrl_(std::move(openUrl)) {}

QString DesktopFileRevealer::itemUri(const QString& path) {
  return QUrl::fromLocalFile(QDir::cleanPath(path)).toString(QUrl::FullyEncoded);
}

QUrl DesktopFileRevealer::parentFolderUrl(const QString& path) {
  const QString clean = QDir::cleanPath(path);
  if (clean == QLatin1String("/")) return QUrl::fromLocalFile(clean);
  return QUrl::fromLocalFile(QFileInfo(clean).path());
}

void DesktopFileRevealer::reveal(const QString& path) {
  if (path.isEmpty()) return;
  QPointer<DesktopFileRevealer> self(this);
  const QUrl fallback = parentFolderUrl(path);
  auto done = [self, fallback](bool shown) {
    if (shown) return;
    qCDebug(lcPlatform) << "reveal: the file manager did not show the item; opening" << fallback;
    if (self && self->openUrl_) self->openUrl_(fallback);
  };
  if (!showItems_) return done(false);
  showItems_({itemUri(path)}, done);
}

DesktopFileRevealer::ShowItems DesktopFileRevealer::sessionBusShowItems(QObject* context) {
  QPointer<QObject> guard(context);
  return [guard](const QStringList& uris, std::function<void(bool)> done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return done(false);
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("ShowItems"));
    call << uris << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kTimeoutMs), guard.data());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [watcher, done = std::move(done)](QDBusPendingCallWatcher*) {
                       done(!watcher->isError());
                       watcher->deleteLater();
                     });
  };
}

}  // namespace tidewell::platform
