#include "app/SingleInstance.h"

#include <sys/stat.h>
#include <sys/un.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <cstdio>

#include "app/SocketPeer.h"

namespace tidewell::app {

namespace {
// The first wait for a connection, then how much longer a busy instance
// gets before this launch gives up on it.
constexpr int kConnectMs = 1000;
constexpr int kBusyMs = 2000;
constexpr int kWriteMs = 2000;
constexpr int kLockMs = 5000;
// A request is one short line; a connection that sends more than this
// without one is not ours.
constexpr qsizetype kMaxLine = 64 * 1024;
constexpr qsizetype kMaxSocketPath = qsizetype(sizeof(sockaddr_un::sun_path)) - 1;

// Why socketPath cannot carry a channel at all; empty when it can.
QString unusablePath(const QString& socketPath) {
  const QByteArray native = QFile::encodeName(socketPath);
  if (native.size() > kMaxSocketPath) {
    return QStringLiteral("the socket path %1 is %2 bytes long, more than a local socket allows (%3)")
        .arg(socketPath)
        .arg(native.size())
        .arg(kMaxSocketPath);
  }
  struct stat status {};
  if (::lstat(native.constData(), &status) == 0 && S_ISDIR(status.st_mode)) {
    return QStringLiteral("the socket path %1 is a folder").arg(socketPath);
  }
  return {};
}
}  // namespace

SingleInstance::SingleInstance(InstanceFolder::Place place, Context context, QObject* parent)
    : QObject(parent), place_(std::move(place)), context_(std::move(context)) {}

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : SingleInstance(InstanceFolder::Place{std::move(socketPath), {}}, Context{}, parent) {}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();  // removes the socket file
}

bool SingleInstance::isListening() const { return server_ && server_->isListening(); }

SingleInstance::Role SingleInstance::start(const LaunchRequest& request) {
  const QString& path = place_.socketPath;
  if (path.isEmpty()) {
    say(place_.problem);
    return Role::Alone;
  }
  if (const QString problem = unusablePath(path); !problem.isEmpty()) {
    say(problem);
    return Role::Alone;
  }

  // Without the lock (a read-only folder, a launch that holds it too long)
  // the decision is still made, but a socket already there is left alone.
  QLockFile lock(path + QStringLiteral(".lock"));
  lock.setStaleLockTime(10 * 1000);
  const bool locked = lock.tryLock(kLockMs);

  Role role = Role::Alone;
  switch (handOver(request)) {
    case Answer::HandedOver:
      role = Role::Secondary;
      break;
    case Answer::NoListener:
      if (listen(locked)) role = Role::Primary;
      break;
    case Answer::Busy:
      say(QStringLiteral("the running instance at %1 does not answer").arg(path));
      break;
    case Answer::Foreign:
      say(QStringLiteral("%1 is held by another user").arg(path));
      break;
    case Answer::Unreachable:
      break;  // handOver said why
  }
  if (locked) lock.unlock();
  return role;
}

SingleInstance::Answer SingleInstance::handOver(const LaunchRequest& request) {
  QLocalSocket socket;
  const auto stillTrying = [&socket] {
    return socket.state() == QLocalSocket::ConnectingState ||
           socket.error() == QLocalSocket::SocketTimeoutError;
  };
  socket.connectToServer(place_.socketPath);
  bool connected = socket.waitForConnected(kConnectMs);
  // Still trying: something listens but has no room for us yet.
  if (!connected && stillTrying()) connected = socket.waitForConnected(kBusyMs);
  if (!connected) {
    const QLocalSocket::LocalSocketError error = socket.error();
    if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError) {
      return Answer::NoListener;
    }
    const bool busy = stillTrying();
    const QString why = socket.errorString();
    socket.abort();
    if (busy) return Answer::Busy;
    say(QStringLiteral("cannot connect to %1 (%2)").arg(place_.socketPath, why));
    return Answer::Unreachable;
  }
  if (!isOwnPeer(socket.socketDescriptor())) {
    socket.abort();
    return Answer::Foreign;
  }

  // The line sits in the socket's buffer once written, so the running
  // instance reads it even after this process has gone.
  socket.write(request.encode());
  bool written = true;
  while (written && socket.bytesToWrite() > 0) written = socket.waitForBytesWritten(kWriteMs);
  if (!written) {
    socket.abort();
    return Answer::Busy;
  }
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
  return Answer::HandedOver;
}

bool SingleInstance::listen(bool takeOver) {
  // Nobody listens: a socket file still there was left by a crash.
  if (takeOver) QLocalServer::removeServer(place_.socketPath);
  auto* server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(place_.socketPath)) {
    say(QStringLiteral("cannot listen on %1 (%2)").arg(place_.socketPath, server->errorString()));
    delete server;
    return false;
  }
  server_ = server;
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
  return true;
}

void SingleInstance::accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (!isOwnPeer(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    auto incoming = std::make_shared<Incoming>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, incoming] { readFrom(socket, incoming); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, incoming] {
      readFrom(socket, incoming);
      socket->deleteLater();
    });
    // What arrived before the connection was taken is read at once.
    readFrom(socket, incoming);
  }
}

void SingleInstance::readFrom(QLocalSocket* socket, const std::shared_ptr<Incoming>& incoming) {
  // Never more than one line's worth from one connection, junk included.
  const QByteArray more = socket->read(kMaxLine + 1 - incoming->taken);
  incoming->taken += more.size();
  incoming->pending += more;
  qsizetype newline;
  while ((newline = incoming->pending.indexOf('\n')) >= 0) {
    const std::optional<LaunchRequest> request = LaunchRequest::decode(incoming->pending.left(newline));
    incoming->pending.remove(0, newline + 1);
    if (!request) continue;
    // The one request this connection carries: whatever else it sends is
    // not heard. Closed before the signal, whose handlers may run a loop.
    hangUp(socket);
    if (request->kind == LaunchRequest::Kind::Link) {
      Q_EMIT linkReceived(request->link);
    } else {
      Q_EMIT reopenRequested();
    }
    return;
  }
  if (incoming->taken > kMaxLine) hangUp(socket);
}

void SingleInstance::hangUp(QLocalSocket* socket) {
  // Aborting emits disconnected at once, and its handler would read the
  // socket just closed: the handlers go first.
  socket->disconnect(this);
  socket->abort();
  socket->deleteLater();
}

bool SingleInstance::isOwnPeer(qintptr descriptor) const {
  const std::optional<uid_t> peer =
      context_.peerUid ? context_.peerUid(descriptor) : socketPeerUid(descriptor);
  return peer && *peer == context_.uid;
}

void SingleInstance::say(const QString& problem) const {
  const QString line =
      QStringLiteral("tidewell-mac: %1; running without the single-instance guarantee.").arg(problem);
  if (context_.report) {
    context_.report(line);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(line));
  }
}

}  // namespace tidewell::app
