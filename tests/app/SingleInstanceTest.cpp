#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/SocketPeer.h"
#include "testkit/support/LogLines.h"

namespace tidewell::app {
namespace {

// Socket paths are short (108 bytes), so these live in the system's
// temporary folder rather than under the build tree.
class InstanceChannel : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString socketPath() const { return dir_.filePath("instance.socket"); }
  // This user's context, its report lines kept in reports_.
  SingleInstance::Context context() {
    SingleInstance::Context context;
    context.report = [this](const QString& line) { reports_ << line; };
    return context;
  }
  SingleInstance::Context withPeers(std::function<std::optional<uid_t>(qintptr)> peerUid) {
    SingleInstance::Context context = this->context();
    context.peerUid = std::move(peerUid);
    return context;
  }
  std::string reports() const { return reports_.join('\n').toStdString(); }

  QTemporaryDir dir_;
  QStringList reports_;
};

TEST_F(InstanceChannel, ASecondLaunchHandsOverItsLinkOrAReopenAndLeaves) {
  SingleInstance running(socketPath());
  ASSERT_EQ(running.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  EXPECT_TRUE(running.isListening());
  QSignalSpy links(&running, &SingleInstance::linkReceived);
  QSignalSpy reopens(&running, &SingleInstance::reopenRequested);

  SingleInstance withLink(socketPath());
  EXPECT_EQ(withLink.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Secondary);
  EXPECT_FALSE(withLink.isListening());
  ASSERT_TRUE(links.wait(5000));
  EXPECT_EQ(links.takeFirst().at(0).toString(), QStringLiteral("tidewellmac://scan"));
  EXPECT_EQ(reopens.count(), 0);

  SingleInstance plain(socketPath());
  EXPECT_EQ(plain.start(LaunchRequest::reopen()), SingleInstance::Role::Secondary);
  ASSERT_TRUE(reopens.wait(5000));
  EXPECT_EQ(links.count(), 0);
}

TEST_F(InstanceChannel, ASocketLeftByACrashIsTakenOver) {
  // A bound socket whose owner is gone: the file stays, nobody accepts.
  const QByteArray path = socketPath().toLocal8Bit();
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(socketPath()));

  SingleInstance relaunched(socketPath());
  EXPECT_EQ(relaunched.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Primary);
  EXPECT_TRUE(relaunched.isListening());

  QSignalSpy reopens(&relaunched, &SingleInstance::reopenRequested);
  SingleInstance later(socketPath());
  EXPECT_EQ(later.start(LaunchRequest::reopen()), SingleInstance::Role::Secondary);
  EXPECT_TRUE(reopens.wait(5000));
}

TEST_F(InstanceChannel, TheNextLaunchListensOnceTheRunningInstanceHasGone) {
  {
    SingleInstance first(socketPath());
    ASSERT_EQ(first.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  }
  SingleInstance second(socketPath());
  EXPECT_EQ(second.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
}

TEST_F(InstanceChannel, JunkFromAClientIsIgnored) {
  SingleInstance running(socketPath());
  ASSERT_EQ(running.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  QSignalSpy links(&running, &SingleInstance::linkReceived);
  QSignalSpy reopens(&running, &SingleInstance::reopenRequested);
  {
    QLocalSocket client;
    client.connectToServer(socketPath());
    ASSERT_TRUE(client.waitForConnected(2000));
    client.write("hello\nlink \n" + LaunchRequest::openLink("tidewellmac://scan").encode());
    ASSERT_TRUE(client.waitForBytesWritten(2000));
  }
  ASSERT_TRUE(links.wait(5000));
  EXPECT_EQ(links.count(), 1);
  EXPECT_EQ(reopens.count(), 0);
}

TEST_F(InstanceChannel, AConnectionCarriesOneRequestAndIsThenClosed) {
  SingleInstance running(socketPath());
  ASSERT_EQ(running.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  QSignalSpy links(&running, &SingleInstance::linkReceived);
  QSignalSpy reopens(&running, &SingleInstance::reopenRequested);

  struct Case {
    const char* name;
    QByteArray sent;  // all on one connection
    int reopens;
  };
  QByteArray reopenFlood;
  for (int i = 0; i < 100'000; ++i) reopenFlood += LaunchRequest::reopen().encode();
  QByteArray junkFlood;
  while (junkFlood.size() <= 64 * 1024) junkFlood += "hello\n";
  const Case cases[] = {
      // Each request would raise the window once more.
      {"many reopens", reopenFlood + LaunchRequest::openLink("tidewellmac://scan").encode(), 1},
      // Junk lines are skipped, but only within one line's worth.
      {"junk beyond a line's worth", junkFlood + LaunchRequest::reopen().encode(), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reopens.clear();
    links.clear();
    QLocalSocket client;
    client.connectToServer(socketPath());
    ASSERT_TRUE(client.waitForConnected(2000));
    QSignalSpy closed(&client, &QLocalSocket::disconnected);
    client.write(c.sent);
    EXPECT_TRUE(closed.wait(5000));
    EXPECT_EQ(reopens.count(), c.reopens);
    EXPECT_EQ(links.count(), 0);
  }

  // The channel still takes the next launch's request, and nothing more
  // arrived from the closed connections meanwhile.
  reopens.clear();
  SingleInstance later(socketPath());
  EXPECT_EQ(later.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Secondary);
  ASSERT_TRUE(links.wait(5000));
  EXPECT_EQ(links.count(), 1);
  EXPECT_EQ(reopens.count(), 0);
}

TEST_F(InstanceChannel, AnOversizedMessageIsDroppedQuietlyAndTheChannelStaysOpen) {
  SingleInstance running(socketPath());
  ASSERT_EQ(running.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  QSignalSpy links(&running, &SingleInstance::linkReceived);
  QSignalSpy reopens(&running, &SingleInstance::reopenRequested);

  tidewell::testing::LogLines warnings;
  QLocalSocket flood;
  flood.connectToServer(socketPath());
  ASSERT_TRUE(flood.waitForConnected(2000));
  QSignalSpy dropped(&flood, &QLocalSocket::disconnected);
  flood.write(QByteArray("link ") + QByteArray(200 * 1024, 'a'));
  ASSERT_TRUE(dropped.wait(5000));
  EXPECT_EQ(warnings.take(), std::vector<std::string>{});

  SingleInstance later(socketPath());
  EXPECT_EQ(later.start(LaunchRequest::reopen()), SingleInstance::Role::Secondary);
  ASSERT_TRUE(reopens.wait(5000));
  EXPECT_EQ(links.count(), 0);
  EXPECT_EQ(warnings.take(), std::vector<std::string>{});
}

// A listener that never accepts, its backlog full: an instance too busy to
// answer, still alive.
class StalledListener {
 public:
  explicit StalledListener(const QByteArray& path) {
    listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = addressOf(path);
    bound_ = listener_ >= 0 &&
             ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
             ::listen(listener_, 0) == 0;
    // Queue connections until the kernel refuses another one.
    while (bound_ && queued_.size() < 64) {
      const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
      if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        full_ = errno == EAGAIN;
        ::close(fd);
        break;
      }
      queued_.push_back(fd);
    }
  }
  ~StalledListener() {
    for (const int fd : queued_) ::close(fd);
    if (listener_ >= 0) ::close(listener_);
  }
  bool full() const { return bound_ && full_; }

  static sockaddr_un addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
  }

 private:
  int listener_ = -1;
  bool bound_ = false;
  bool full_ = false;
  std::vector<int> queued_;
};

TEST_F(InstanceChannel, ABusyInstanceKeepsItsSocketAndTheLaunchRunsOnItsOwn) {
  StalledListener stalled(socketPath().toLocal8Bit());
  ASSERT_TRUE(stalled.full());
  struct stat before {};
  ASSERT_EQ(::lstat(socketPath().toLocal8Bit().constData(), &before), 0);

  SingleInstance launch(InstanceFolder::Place{socketPath(), {}}, context());
  EXPECT_EQ(launch.start(LaunchRequest::reopen()), SingleInstance::Role::Alone);
  EXPECT_FALSE(launch.isListening());
  ASSERT_EQ(reports_.size(), 1) << reports();
  EXPECT_TRUE(reports_.front().contains("does not answer")) << reports();
  struct stat after {};
  ASSERT_EQ(::lstat(socketPath().toLocal8Bit().constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(InstanceChannel, WithoutAPlaceForTheSocketTheLaunchRunsAloneAndSaysWhyOnce) {
  // A folder that other users can write to gives no place.
  const QString folder = dir_.filePath(QStringLiteral("tidewell-mac-%1").arg(::getuid()));
  ASSERT_EQ(::mkdir(QFile::encodeName(folder).constData(), 0700), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
  const InstanceFolder::Place open = InstanceFolder::locate({QString(), dir_.path(), ::getuid()});

  const QString longPath = dir_.filePath(QString(120, u'x'));
  ASSERT_TRUE(QDir(dir_.path()).mkdir("a-folder"));
  struct Case {
    const char* name;
    InstanceFolder::Place place;
    QString named;  // what the line must name
  };
  const Case cases[] = {
      {"a folder open to others", open, folder},
      {"a socket path too long for a local socket", {longPath, {}}, longPath},
      {"a socket path that is a folder", {dir_.filePath("a-folder"), {}}, dir_.filePath("a-folder")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reports_.clear();
    SingleInstance launch(c.place, context());
    EXPECT_EQ(launch.start(LaunchRequest::reopen()), SingleInstance::Role::Alone);
    EXPECT_FALSE(launch.isListening());
    ASSERT_EQ(reports_.size(), 1) << reports();
    EXPECT_TRUE(reports_.front().startsWith("tidewell-mac: ")) << reports();
    EXPECT_TRUE(reports_.front().contains(c.named)) << reports();
  }
  EXPECT_TRUE(QDir(folder).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(longPath));
}

TEST_F(InstanceChannel, AListenerOfAnotherUserIsHandedNothingAndKeepsItsSocket) {
  QLocalServer foreign;
  ASSERT_TRUE(foreign.listen(socketPath()));

  SingleInstance launch(InstanceFolder::Place{socketPath(), {}},
                        withPeers([](qintptr) { return std::optional<uid_t>(::getuid() + 1); }));
  EXPECT_EQ(launch.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Alone);
  EXPECT_FALSE(launch.isListening());
  ASSERT_EQ(reports_.size(), 1) << reports();
  EXPECT_TRUE(reports_.front().contains(socketPath())) << reports();

  ASSERT_TRUE(foreign.waitForNewConnection(2000));
  QLocalSocket* peer = foreign.nextPendingConnection();
  ASSERT_NE(peer, nullptr);
  if (peer->state() == QLocalSocket::ConnectedState) peer->waitForDisconnected(2000);
  EXPECT_EQ(peer->bytesAvailable(), 0);
  EXPECT_TRUE(foreign.isListening());
  EXPECT_TRUE(QFileInfo::exists(socketPath()));
}

TEST_F(InstanceChannel, TheRunningInstanceTakesNothingFromAnotherUser) {
  int asked = 0;
  // The first launch to connect is another user's; later ones are this user's.
  SingleInstance running(InstanceFolder::Place{socketPath(), {}}, withPeers([&asked](qintptr descriptor) {
                           return ++asked == 1 ? std::optional<uid_t>(::getuid() + 1)
                                               : socketPeerUid(descriptor);
                         }));
  ASSERT_EQ(running.start(LaunchRequest::reopen()), SingleInstance::Role::Primary);
  QSignalSpy links(&running, &SingleInstance::linkReceived);
  QSignalSpy reopens(&running, &SingleInstance::reopenRequested);

  SingleInstance intruder(socketPath());
  intruder.start(LaunchRequest::openLink("tidewellmac://scan"));
  SingleInstance own(socketPath());
  EXPECT_EQ(own.start(LaunchRequest::reopen()), SingleInstance::Role::Secondary);
  ASSERT_TRUE(reopens.wait(5000));
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(links.count(), 0);
}

TEST(SocketPeer, TellsTheUserAtTheOtherEndOfALocalSocketOnly) {
  int pair[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_EQ(socketPeerUid(pair[0]), std::optional<uid_t>(::getuid()));
  ::close(pair[0]);
  ::close(pair[1]);

  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  EXPECT_EQ(socketPeerUid(pipe[0]), std::nullopt);
  ::close(pipe[0]);
  ::close(pipe[1]);
  EXPECT_EQ(socketPeerUid(-1), std::nullopt);
}

}  // namespace
}  // namespace tidewell::app
