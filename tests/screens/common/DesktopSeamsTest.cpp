#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/Clipboard.h"
#include "platform/qt/DesktopFileRevealer.h"
#include "platform/qt/LinkOpener.h"
#include "testkit/probe/Probe.h"

namespace tidewell::screens {
namespace {

TEST(DesktopFileRevealer, AsksTheFileManagerForTheItemAndOpensNothingWhenItAnswers) {
  QStringList asked;
  QList<QUrl> opened;
  platform::DesktopFileRevealer revealer(
      [&](const QStringList& uris, std::function<void(bool)> done) { asked = uris, done(true); },
      [&](const QUrl& url) { opened << url; });
  revealer.reveal(QStringLiteral("/home/ann/Library/Application Support/Über App/models"));
  EXPECT_EQ(asked, QStringList{"file:///home/ann/Library/Application%20Support/%C3%9Cber%20App/models"});
  EXPECT_TRUE(opened.isEmpty());
}

TEST(DesktopFileRevealer, OpensTheParentFolderWhenTheFileManagerFails) {
  std::function<void(bool)> pending;
  QList<QUrl> opened;
  platform::DesktopFileRevealer revealer(
      [&](const QStringList&, std::function<void(bool)> done) { pending = std::move(done); },
      [&](const QUrl& url) { opened << url; });
  revealer.reveal(QStringLiteral("/home/ann/Downloads/Big Disk.dmg"));
  EXPECT_TRUE(opened.isEmpty());  // the answer comes later
  ASSERT_TRUE(pending);
  pending(false);
  EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/home/ann/Downloads"))});

  // No file manager step at all: the folder at once. An empty path: nothing.
  opened.clear();
  platform::DesktopFileRevealer bare({}, [&](const QUrl& url) { opened << url; });
  bare.reveal(QStringLiteral("/home/ann/Library/LaunchAgents/com.example.agent.plist"));
  bare.reveal(QString());
  EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/home/ann/Library/LaunchAgents"))});
}

TEST(DesktopFileRevealer, AnAnswerAfterTheRevealerIsGoneIsDropped) {
  std::function<void(bool)> pending;
  int opened = 0;
  {
    platform::DesktopFileRevealer revealer(
        [&](const QStringList&, std::function<void(bool)> done) { pending = std::move(done); },
        [&](const QUrl&) { ++opened; });
    revealer.reveal(QStringLiteral("/tmp/x"));
  }
  pending(false);
  EXPECT_EQ(opened, 0);
}

TEST(DesktopFileRevealer, ParentFolderOfAPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/ann/file.txt", "/home/ann"},
      {"/home/ann/folder/", "/home/ann"},
      {"/home//ann/./x", "/home/ann"},
      {"/top", "/"},
      {"/", "/"},
  };
  for (const auto& [path, parent] : cases)
    EXPECT_EQ(platform::DesktopFileRevealer::parentFolderUrl(QString::fromUtf8(path)),
              QUrl::fromLocalFile(QString::fromUtf8(parent)))
        << path;
}

TEST(DesktopLinkOpener, HandsOnValidLinksOnly) {
  QList<QUrl> opened;
  platform::DesktopLinkOpener links([&](const QUrl& url) { opened << url; });
  links.open(QUrl(QStringLiteral("x-apple.systempreferences:com.apple.LoginItems-Settings.extension")));
  links.open(QUrl());
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0].scheme(), "x-apple.systempreferences");
}

TEST(SystemClipboard, HoldsExactlyTheTextAfterAWrite) {
  // The offscreen platform's clipboard lives in this process only.
  QGuiApplication::clipboard()->setText(QStringLiteral("older"));
  platform::SystemClipboard clipboard;
  clipboard.setText(QStringLiteral("docker system prune"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "docker system prune");
}

}  // namespace
}  // namespace tidewell::screens
