#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <memory>

namespace tidewell::app {

namespace {
constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 2000;
constexpr int kLockMs = 5000;
// A request is one short line; anything longer is not ours.
constexpr qsizetype kMaxLine = 64 * 1024;
}  // namespace

QString SingleInstance::defaultSocketPath() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
    return QDir(runtime).filePath(QStringLiteral("tidewell-mac.socket"));
  }
  return QDir(QDir::tempPath()).filePath(QStringLiteral("tidewell-mac-%1.socket").arg(getuid()));
}

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();  // removes the socket file
}

bool SingleInstance::isListening() const { return server_ && server_->isListening(); }

SingleInstance::Role SingleInstance::start(const LaunchRequest& request) {
  // Without the lock (a read-only folder, a launch that holds it too long)
  // the decision is still made, only not guarded against a simultaneous one.
  QLockFile lock(socketPath_ + QStringLiteral(".lock"));
  lock.setStaleLockTime(10 * 1000);
  const bool locked = lock.tryLock(kLockMs);

  Role role = Role::Alone;
  if (handOver(request)) {
    role = Role::Secondary;
  } else if (listen()) {
    role = Role::Primary;
  }
  if (locked) lock.unlock();
  return role;
}

bool SingleInstance::handOver(const LaunchRequest& request) {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  // The line sits in the socket's buffer once written, so the running
  // instance reads it even after this process has gone.
  socket.write(request.encode());
  bool written = true;
  while (written && socket.bytesToWrite() > 0) written = socket.waitForBytesWritten(kWriteMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
  return written;
}

bool SingleInstance::listen() {
  // Nobody answered: a socket file still there was left by a crash.
  QLocalServer::removeServer(socketPath_);
  auto* server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(socketPath_)) {
    delete server;
    return false;
  }
  server_ = server;
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
  return true;
}

void SingleInstance::accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] { readFrom(socket, *buffer); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
      readFrom(socket, *buffer);
      socket->deleteLater();
    });
    // What arrived before the connection was taken is read at once.
    readFrom(socket, *buffer);
  }
}

void SingleInstance::readFrom(QLocalSocket* socket, QByteArray& buffer) {
  buffer += socket->readAll();
  const QPointer<QObject> alive(this);
  qsizetype newline;
  while ((newline = buffer.indexOf('\n')) >= 0) {
    const std::optional<LaunchRequest> request = LaunchRequest::decode(buffer.left(newline));
    buffer.remove(0, newline + 1);
    if (!request) continue;
    if (request->kind == LaunchRequest::Kind::Link) {
      emit linkReceived(request->link);
    } else {
      emit reopenRequested();
    }
    if (!alive) return;
  }
  if (buffer.size() > kMaxLine) {
    buffer.clear();
    socket->abort();
  }
}

}  // namespace tidewell::app
