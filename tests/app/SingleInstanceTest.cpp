#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

namespace tidewell::app {
namespace {

// Socket paths are short (108 bytes), so these live in the system's
// temporary folder rather than under the build tree.
class InstanceChannel : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString socketPath() const { return dir_.filePath("instance.socket"); }
  QTemporaryDir dir_;
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

}  // namespace
}  // namespace tidewell::app
