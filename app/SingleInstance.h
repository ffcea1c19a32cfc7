#pragma once
// Keeps one running instance per user. The first launch listens on a local
// socket; a later launch connects, hands over its LaunchRequest and exits.
// A socket left behind by an instance that crashed is removed and taken
// over; a lock file beside the socket keeps two launches from deciding at
// the same moment.
//
// GUI thread only. The listening side reports what later launches ask for
// through linkReceived() and reopenRequested(), from the event loop.

#include <QByteArray>
#include <QObject>
#include <QString>

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

  // The per-user socket: $XDG_RUNTIME_DIR/tidewell-mac.socket when that
  // folder exists, else tidewell-mac-<uid>.socket in the temporary folder.
  static QString defaultSocketPath();

  // socketPath is an absolute path; the lock is socketPath + ".lock".
  explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Hands request to a running instance (Secondary), else starts listening
  // (Primary). Blocks for at most a few seconds.
  Role start(const LaunchRequest& request);

  const QString& socketPath() const { return socketPath_; }
  bool isListening() const;

 signals:
  void linkReceived(const QString& link);
  void reopenRequested();

 private:
  bool handOver(const LaunchRequest& request);
  bool listen();
  void accept();
  void readFrom(QLocalSocket* socket, QByteArray& buffer);

  QString socketPath_;
  QLocalServer* server_ = nullptr;
};

}  // namespace tidewell::app
