#pragma once
// Keeps one running instance per user. The first launch listens on a local
// socket; a later launch connects, hands over its LaunchRequest and exits.
// A socket nobody listens on any more (its instance crashed) is removed
// and taken over under a lock file beside it, which also keeps two
// launches from deciding at the same moment. An instance that is there but
// does not answer (busy, its backlog full) keeps its socket: the launch
// runs on its own instead. Neither side hands anything to a peer of
// another user.
//
// GUI thread only. The listening side reports what later launches ask for
// through linkReceived() and reopenRequested(), from the event loop: one
// request per connection, which is then closed, so a peer cannot make the
// window rise again and again over one connection.

#include <sys/types.h>
#include <unistd.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/InstanceFolder.h"
#include "app/LaunchRequest.h"

class QLocalServer;
class QLocalSocket;

namespace tidewell::app {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Role {
    Primary,    // this process listens: it is the running instance
    Secondary,  // another instance runs and has been handed the request
    Alone,      // neither could be done; this process runs without a channel
  };

  struct Context {
    uid_t uid = ::getuid();  // the only user the channel talks to
    // The user at the other end of a connected socket; empty: SO_PEERCRED.
    std::function<std::optional<uid_t>(qintptr descriptor)> peerUid;
    // Says one line to the user; empty: standard error.
    std::function<void(const QString& line)> report;
  };

  // The channel at place.socketPath, the lock at socketPath + ".lock". A
  // place without a socket path makes start() report its problem and run
  // Alone.
  SingleInstance(InstanceFolder::Place place, Context context, QObject* parent = nullptr);
  // The channel at socketPath, for this process's user.
  explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Hands request to a running instance (Secondary), else starts listening
  // (Primary). Blocks for at most a few seconds. Whenever the result is
  // Alone, one line on the report says why.
  Role start(const LaunchRequest& request);

  const QString& socketPath() const { return place_.socketPath; }
  bool isListening() const;

 Q_SIGNALS:
  void linkReceived(const QString& link);
  void reopenRequested();

 private:
  enum class Answer {
    HandedOver,
    NoListener,  // refused or absent: the instance that listened is gone
    Busy,        // something listens but does not take the request
    Foreign,     // another user listens
    Unreachable,
  };

  // What one connection has sent so far.
  struct Incoming {
    QByteArray pending;   // bytes after the last whole line
    qsizetype taken = 0;  // all bytes read from it
  };

  Answer handOver(const LaunchRequest& request);
  bool listen(bool takeOver);
  void accept();
  void readFrom(QLocalSocket* socket, const std::shared_ptr<Incoming>& incoming);
  void hangUp(QLocalSocket* socket);
  bool isOwnPeer(qintptr descriptor) const;
  void say(const QString& problem) const;

  InstanceFolder::Place place_;
  Context context_;
  QLocalServer* server_ = nullptr;
};

}  // namespace tidewell::app
