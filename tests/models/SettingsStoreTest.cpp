#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <limits>
#include <map>
#include <thread>

#include "models/SettingsStore.h"

namespace tidewell::models {
namespace {

struct StoreFixture : ::testing::Test {
  QTemporaryDir dir;
  QString path = dir.filePath("settings.ini");
  std::shared_ptr<SettingsStore> store = SettingsStore::atFile(path);
  QStringList changes;
  void SetUp() override {
    QObject::connect(store.get(), &SettingsStore::valueChanged, store.get(),
                     [this](const QString& key) { changes << key; });
  }
  void writeRaw(const QString& key, const QVariant& value) {
    QSettings raw(path, QSettings::IniFormat);
    raw.setValue(key, value);
  }
};

TEST_F(StoreFixture, FreedBytesAccumulateAsA64BitTotalAndEveryWriteSignalsItsKey) {
  EXPECT_EQ(store->totalFreedBytes(), 0);
  store->addFreedBytes(5'000'000'000);
  store->addFreedBytes(0);
  store->addFreedBytes(-7);
  EXPECT_EQ(store->totalFreedBytes(), 5'000'000'000);
  store->addFreedBytes(std::numeric_limits<int64_t>::max());
  EXPECT_EQ(store->totalFreedBytes(), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(changes, QStringList(4, "totalFreedBytes"));

  // Another store over the same file reads what was written.
  EXPECT_EQ(SettingsStore::atFile(path)->totalFreedBytes(), std::numeric_limits<int64_t>::max());
}

TEST_F(StoreFixture, UnreadableStoredValuesCountAsAbsent) {
  struct Case {
    QVariant stored;
    bool present;
  };
  const Case cases[] = {
      {QVariant(1796904000.5), true},
      {QVariant("1796904000"), true},
      {QVariant("soon"), false},
      {QVariant(std::numeric_limits<double>::quiet_NaN()), false},
      {QVariant(std::numeric_limits<double>::infinity()), false},
      {QVariant("-inf"), false},
  };
  for (const auto& c : cases) {
    writeRaw("lastCleanupAt", c.stored);
    EXPECT_EQ(SettingsStore::atFile(path)->lastCleanupAt().has_value(), c.present)
        << c.stored.toString().toStdString();
  }
  writeRaw("totalFreedBytes", "lots");
  EXPECT_EQ(SettingsStore::atFile(path)->totalFreedBytes(), 0);
  EXPECT_FALSE(SettingsStore::atFile(path)->hasOnboarded());
}

TEST_F(StoreFixture, CleanupTimeAndOnboardingRoundTrip) {
  store->setLastCleanupAt(1796904000.25);
  store->setHasOnboarded(true);
  auto again = SettingsStore::atFile(path);
  EXPECT_DOUBLE_EQ(*again->lastCleanupAt(), 1796904000.25);
  EXPECT_TRUE(again->hasOnboarded());
  EXPECT_EQ(changes, (QStringList{"lastCleanupAt", "hasOnboarded"}));
}

TEST(SettingsStorePath, IsWhereQSettingsKeepsTheApplicationsSettings) {
  // The decoy home's configuration folder; QSettings only looks there.
  const QString organisation = QCoreApplication::organizationName();
  const QString application = QCoreApplication::applicationName();
  QCoreApplication::setOrganizationName("Tidewell Test");
  QCoreApplication::setApplicationName("Store Path");
  EXPECT_EQ(SettingsStore::applicationSettingsPath(), QSettings().fileName());
  QCoreApplication::setOrganizationName(organisation);
  QCoreApplication::setApplicationName(application);
}

// What one store saw over its life: the defaults it read, what it read back
// after writing, and the keys it signalled.
struct Session {
  int64_t freedBefore = -1;
  bool onboardedBefore = true;
  bool cleanupBefore = true;
  int64_t freedAfter = -1;
  bool onboardedAfter = false;
  QStringList changes;
};

Session live(const QString& path) {
  Session s;
  auto store = SettingsStore::atFile(path);
  QObject::connect(store.get(), &SettingsStore::valueChanged, store.get(),
                   [&s](const QString& key) { s.changes << key; });
  s.freedBefore = store->totalFreedBytes();
  s.onboardedBefore = store->hasOnboarded();
  s.cleanupBefore = store->lastCleanupAt().has_value();
  store->addFreedBytes(1234);
  store->setHasOnboarded(true);
  s.freedAfter = store->totalFreedBytes();
  s.onboardedAfter = store->hasOnboarded();
  return s;
}

// Opens a FIFO for writing and closes it, so a reader blocked in open or
// read sees the end of it.
void release(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
  if (fd >= 0) ::close(fd);
}

// Runs a store's whole life on a worker thread, so a store that blocks on
// what sits at its path fails the test instead of hanging it. After a
// bounded wait the FIFOs are released; a worker stuck anyway is left behind.
std::optional<Session> liveWithoutBlocking(const QString& path) {
  auto promise = std::make_shared<std::promise<Session>>();
  std::future<Session> done = promise->get_future();
  std::thread([promise, path] { promise->set_value(live(path)); }).detach();
  if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return done.get();
  for (int attempt = 0; attempt < 50; ++attempt) {
    release(path);
    release(path + ".lock");
    if (done.wait_for(std::chrono::milliseconds(100)) == std::future_status::ready) break;
  }
  return std::nullopt;
}

struct SettingsPathKind : ::testing::Test {
  QTemporaryDir dir;
  QString path = dir.filePath("settings.ini");

  std::string at(const QString& relative = {}) const {
    return QFile::encodeName(relative.isEmpty() ? path : dir.filePath(relative)).toStdString();
  }
  // Every entry of the folder by name and kind, links not followed.
  std::map<std::string, std::filesystem::file_type> listing() const {
    std::map<std::string, std::filesystem::file_type> out;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
      out[entry.path().filename().string()] = entry.symlink_status().type();
    return out;
  }
  void socketAt(const std::string& file) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(file.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, file.c_str(), file.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
  }
  void regularAt(const std::string& file) {
    QFile out(QString::fromStdString(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  }
};

TEST_F(SettingsPathKind, AnythingButARegularFileIsLeftAloneAndTheStoreRunsOnDefaultsInMemory) {
  // Every node lives in the temporary folder: a store that wrongly writes
  // through a link replaces what the link points at. The device is a copy
  // of the null device made here, which only root can make.
  struct Case {
    const char* what;
    std::function<void()> make;
    bool needsRoot = false;
  };
  const Case cases[] = {
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo(at().c_str(), 0600), 0); }},
      {"a folder", [&] { ASSERT_EQ(::mkdir(at().c_str(), 0700), 0); }},
      {"a socket", [&] { socketAt(at()); }},
      {"a link to a FIFO",
       [&] {
         ASSERT_EQ(::mkfifo(at("elsewhere").c_str(), 0600), 0);
         ASSERT_EQ(::symlink(at("elsewhere").c_str(), at().c_str()), 0);
       }},
      {"a link to a device",
       [&] {
         ASSERT_EQ(::mknod(at("null").c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
         ASSERT_EQ(::symlink(at("null").c_str(), at().c_str()), 0);
       },
       true},
      {"a link to itself", [&] { ASSERT_EQ(::symlink(at().c_str(), at().c_str()), 0); }},
      {"a FIFO at the lock file", [&] { ASSERT_EQ(::mkfifo(at("settings.ini.lock").c_str(), 0600), 0); }},
      {"a folder at the lock file", [&] { ASSERT_EQ(::mkdir(at("settings.ini.lock").c_str(), 0700), 0); }},
  };
  for (const auto& [what, make, needsRoot] : cases) {
    if (needsRoot && ::geteuid() != 0) continue;
    SCOPED_TRACE(what);
    std::filesystem::remove_all(dir.path().toStdString());
    ASSERT_TRUE(QDir().mkpath(dir.path()));
    make();
    const auto before = listing();

    ::testing::internal::CaptureStderr();
    const std::optional<Session> session = liveWithoutBlocking(path);
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (!session) {
      ADD_FAILURE() << "the store blocked on " << what;
      continue;
    }

    EXPECT_EQ(session->freedBefore, 0);
    EXPECT_FALSE(session->onboardedBefore);
    EXPECT_FALSE(session->cleanupBefore);
    EXPECT_EQ(session->freedAfter, 1234);
    EXPECT_TRUE(session->onboardedAfter);
    EXPECT_EQ(session->changes, (QStringList{"totalFreedBytes", "hasOnboarded"}));
    EXPECT_EQ(listing(), before) << "nothing written, nothing replaced";
    EXPECT_NE(said.find(path.toStdString()), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.back(), '\n');
  }
}

TEST_F(SettingsPathKind, ARegularFileOrALinkToOneRoundTripsAndTheLinkStays) {
  const std::filesystem::path dotfiles = at("dotfiles");
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"nothing there yet", [] {}},
      {"a regular file", [&] { regularAt(at()); }},
      {"a link to a regular file",
       [&] {
         regularAt(at("dotfiles/settings.ini"));
         ASSERT_EQ(::symlink("dotfiles/settings.ini", at().c_str()), 0);
       }},
      {"a link to a file not made yet", [&] { ASSERT_EQ(::symlink("dotfiles/later.ini", at().c_str()), 0); }},
  };
  for (const auto& [what, make] : cases) {
    SCOPED_TRACE(what);
    std::filesystem::remove_all(dir.path().toStdString());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/dotfiles"));
    make();
    const auto kind = std::filesystem::symlink_status(at()).type();

    ::testing::internal::CaptureStderr();
    const std::optional<Session> first = liveWithoutBlocking(path);
    const std::optional<Session> second = liveWithoutBlocking(path);
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(first && second);

    EXPECT_EQ(first->freedBefore, 0);
    EXPECT_FALSE(first->onboardedBefore);
    EXPECT_EQ(second->freedBefore, 1234) << "read back from the file";
    EXPECT_TRUE(second->onboardedBefore);
    EXPECT_EQ(second->freedAfter, 2468);
    EXPECT_EQ(said, "");
    if (kind == std::filesystem::file_type::symlink) {
      EXPECT_EQ(std::filesystem::symlink_status(at()).type(), std::filesystem::file_type::symlink);
      EXPECT_EQ(std::filesystem::status(at()).type(), std::filesystem::file_type::regular);
    } else {
      EXPECT_EQ(std::filesystem::symlink_status(at()).type(), std::filesystem::file_type::regular);
    }
  }
}

}  // namespace
}  // namespace tidewell::models
