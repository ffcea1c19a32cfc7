#include "models/advisor/AdvisorViewModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <utility>

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
  QFuture<Findings> gathering = services_.executor->run([engine = engine_] {
    Findings f;
    f.runtimes = engine->runtimes();
    f.unavailableSims = engine->unavailableSimulatorCount();
    f.snapshotCount = engine->localSnapshotCount();
    f.dockerBytes = engine->dockerDiskBytes();
    return f;
  });
  Findings found = co_await gathering;
  publish(this, findings_, std::move(found), &AdvisorViewModel::findingsChanged);
  publish(this, phase_, Phase::list, &AdvisorViewModel::phaseChanged);
}

QCoro::Task<> AdvisorViewModel::deleteRuntime(AdvisorService::SimRuntime runtime) {
  auto keep = keepAlive();
  publish(this, busyAction_, QString::fromStdString(runtime.id), &AdvisorViewModel::busyActionChanged);
  QFuture<bool> deleting =
      services_.executor->run([engine = engine_, runtime] { return engine->deleteRuntime(runtime); });
  const bool deleted = co_await deleting;
  publish(this, busyAction_, std::nullopt, &AdvisorViewModel::busyActionChanged);
  const QString name = QString::fromStdString(runtime.name);
  if (!deleted) {
    setLastMessage(QStringLiteral("Couldn't delete ") + name +
                   QStringLiteral(". Try Xcode ▸ Settings ▸ Components instead."));
    co_return;
  }
  Findings patched = findings_;
  std::erase_if(patched.runtimes, [&](const AdvisorService::SimRuntime& r) { return r.id == runtime.id; });
  publish(this, findings_, std::move(patched), &AdvisorViewModel::findingsChanged);
  setLastMessage(QStringLiteral("Deleted ") + name +
                 QStringLiteral(". If the space doesn't show up, a restart releases it."));
}

QCoro::Task<> AdvisorViewModel::removeUnavailable() {
  auto keep = keepAlive();
  // The count the user saw when asking, not whatever a scan meanwhile found.
  const int removed = findings_.unavailableSims;
  publish(this, busyAction_, QString::fromLatin1(unavailableSimsAction),
          &AdvisorViewModel::busyActionChanged);
  QFuture<bool> removing =
      services_.executor->run([engine = engine_] { return engine->deleteUnavailableSimulators(); });
  const bool done = co_await removing;
  publish(this, busyAction_, std::nullopt, &AdvisorViewModel::busyActionChanged);
  if (!done) {
    setLastMessage(QStringLiteral("Couldn't remove unavailable simulators."));
    co_return;
  }
  setLastMessage(QStringLiteral("Removed %1 unavailable simulator%2.")
                     .arg(removed)
                     .arg(removed == 1 ? QString() : QStringLiteral("s")));
  Findings patched = findings_;
  patched.unavailableSims = 0;
  publish(this, findings_, std::move(patched), &AdvisorViewModel::findingsChanged);
}

QCoro::Task<> AdvisorViewModel::thinSnapshots() {
  auto keep = keepAlive();
  publish(this, busyAction_, QString::fromLatin1(snapshotsAction), &AdvisorViewModel::busyActionChanged);
  QFuture<bool> thinning =
      services_.executor->run([engine = engine_] { return engine->thinLocalSnapshots(); });
  const bool done = co_await thinning;
  publish(this, busyAction_, std::nullopt, &AdvisorViewModel::busyActionChanged);
  if (!done) {
    setLastMessage(QStringLiteral("Couldn't thin local snapshots."));
    co_return;
  }
  setLastMessage(QStringLiteral("macOS is purging snapshots now. Space shows up over the next few minutes."));
  Findings patched = findings_;
  patched.snapshotCount = 0;
  publish(this, findings_, std::move(patched), &AdvisorViewModel::findingsChanged);
}

}  // namespace tidewell::models
