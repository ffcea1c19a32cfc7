#include "models/advisor/AdvisorViewModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "base/FileNameText.h"
#include "models/ModelsLog.h"

namespace tidewell::models {

using engine::AdvisorService;

AdvisorViewModel::AdvisorViewModel(ModelServices services, std::shared_ptr<const AdvisorEngine> engine,
                                   QObject* parent)
    : FeatureModel(parent), services_(std::move(services)), engine_(std::move(engine)) {}

void AdvisorViewModel::setLastMessage(std::optional<QString> message) {
  publish(this, lastMessage_, std::move(message), &AdvisorViewModel::lastMessageChanged);
}

bool AdvisorViewModel::hasFindings() const {
  return !findings_.runtimes.empty() || findings_.unavailableSims > 0 || findings_.snapshotCount > 0 ||
         findings_.dockerBytes > 0;
}

int64_t AdvisorViewModel::runtimeBytes() const {
  int64_t total = 0;
  for (const AdvisorService::SimRuntime& r : findings_.runtimes) total += r.sizeBytes;
  return total;
}

QCoro::Task<> AdvisorViewModel::scan() {
  if (phase_ == Phase::scanning) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &AdvisorViewModel::phaseChanged);
  setLastMessage(std::nullopt);
  qCDebug(lcModels) << "advisor: scan started";
  QFuture<Findings> gathering = services_.executor->run([engine = engine_] {
    Findings f;
    f.runtimes = engine->runtimes();
    f.unavailableSims = engine->unavailableSimulatorCount();
    f.snapshotCount = engine->localSnapshotCount();
    f.dockerBytes = engine->dockerDiskBytes();
    return f;
  });
  Findings found = co_await gathering;
  qCDebug(lcModels) << "advisor: scan ended;" << found.runtimes.size() << "runtimes," << found.unavailableSims
                    << "unavailable simulators," << found.snapshotCount << "snapshots";
  publish(this, findings_, std::move(found), &AdvisorViewModel::findingsChanged);
  publish(this, phase_, Phase::list, &AdvisorViewModel::phaseChanged);
}

QCoro::Task<platform::Attempt> AdvisorViewModel::runAction(
    QString id, std::function<platform::Attempt(const AdvisorEngine&)> action) {
  const std::string name = id.toStdString();
  publish(this, busyAction_, std::optional(std::move(id)), &AdvisorViewModel::busyActionChanged);
  QFuture<platform::Attempt> running =
      services_.executor->run([engine = engine_, action] { return action(*engine); });
  const platform::Attempt attempt = co_await running;
  if (attempt.failure)
    qCWarning(lcModels).noquote() << QStringLiteral("advisor: %1 failed: %2")
                                         .arg(QString::fromStdString(name), reasonForLog(*attempt.failure));
  // Whichever action ends clears it, as the screen shows one spinner.
  publish(this, busyAction_, std::nullopt, &AdvisorViewModel::busyActionChanged);
  co_return attempt;
}

void AdvisorViewModel::patchFindings(const std::function<void(Findings&)>& patch) {
  Findings patched = findings_;
  patch(patched);
  publish(this, findings_, std::move(patched), &AdvisorViewModel::findingsChanged);
}

QCoro::Task<> AdvisorViewModel::deleteRuntime(AdvisorService::SimRuntime runtime) {
  auto keep = keepAlive();
  QCoro::Task<platform::Attempt> deleting =
      runAction(QString::fromStdString(runtime.id),
                [runtime](const AdvisorEngine& e) { return e.deleteRuntime(runtime); });
  const bool deleted = bool(co_await deleting);
  // The name comes from another program: shown escaped, as the rows show it.
  const QString name = QString::fromStdString(base::fileNameText(runtime.name));
  if (!deleted) {
    setLastMessage(QStringLiteral("Couldn't delete ") + name +
                   QStringLiteral(". Try Xcode ▸ Settings ▸ Components instead."));
    co_return;
  }
  const std::string id = runtime.id;
  patchFindings([&id](Findings& f) {
    std::erase_if(f.runtimes, [&](const AdvisorService::SimRuntime& r) { return r.id == id; });
  });
  setLastMessage(QStringLiteral("Deleted ") + name +
                 QStringLiteral(". If the space doesn't show up, a restart releases it."));
}

QCoro::Task<> AdvisorViewModel::removeUnavailable() {
  auto keep = keepAlive();
  // The count the user saw when asking, not whatever a scan meanwhile found.
  const int removed = findings_.unavailableSims;
  QCoro::Task<platform::Attempt> removing =
      runAction(QString::fromLatin1(unavailableSimsAction),
                [](const AdvisorEngine& e) { return e.deleteUnavailableSimulators(); });
  if (!co_await removing) {
    setLastMessage(QStringLiteral("Couldn't remove unavailable simulators."));
    co_return;
  }
  setLastMessage(QStringLiteral("Removed %1 unavailable simulator%2.")
                     .arg(removed)
                     .arg(removed == 1 ? QString() : QStringLiteral("s")));
  patchFindings([](Findings& f) { f.unavailableSims = 0; });
}

QCoro::Task<> AdvisorViewModel::thinSnapshots() {
  auto keep = keepAlive();
  QCoro::Task<platform::Attempt> thinning = runAction(
      QString::fromLatin1(snapshotsAction), [](const AdvisorEngine& e) { return e.thinLocalSnapshots(); });
  if (!co_await thinning) {
    setLastMessage(QStringLiteral("Couldn't thin local snapshots."));
    co_return;
  }
  setLastMessage(QStringLiteral("macOS is purging snapshots now. Space shows up over the next few minutes."));
  patchFindings([](Findings& f) { f.snapshotCount = 0; });
}

}  // namespace tidewell::models
