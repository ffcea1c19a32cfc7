#include "screens/advisor/AdvisorRules.h"

#include "base/LocalTime.h"
#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {

QString pluralS(int count) { return count == 1 ? QString() : QStringLiteral("s"); }

}  // namespace

AdvisorFindingsSnapshot AdvisorFindingsSnapshot::of(const models::AdvisorViewModel& model) {
  return {model.findings(), model.hasFindings(), model.runtimeBytes()};
}

QString advisorHeadline(bool hasFindings, int64_t runtimeBytes) {
  if (!hasFindings) return QStringLiteral("You're all good.");
  if (runtimeBytes > 0) return bytesText(runtimeBytes) + QStringLiteral(" of easy wins found.");
  return QStringLiteral("A few easy wins found.");
}

std::vector<AdvisorCard> advisorCards(const AdvisorFindingsSnapshot& snapshot) {
  std::vector<AdvisorCard> cards;
  if (!snapshot.findings.runtimes.empty()) cards.push_back(AdvisorCard::runtimes);
  if (snapshot.findings.unavailableSims > 0) cards.push_back(AdvisorCard::unavailableSimulators);
  if (snapshot.findings.snapshotCount > 0) cards.push_back(AdvisorCard::localSnapshots);
  if (snapshot.findings.dockerBytes > 0) cards.push_back(AdvisorCard::dockerDisk);
  return cards;
}

AdvisorCardHeader advisorCardHeader(AdvisorCard card, const AdvisorFindingsSnapshot& snapshot) {
  switch (card) {
    case AdvisorCard::runtimes:
      return {"iphone.gen3"_symbol, QStringLiteral("iOS Simulator runtimes"),
              QStringLiteral("A runtime is just the copy of iOS your Simulator boots. Your code and projects "
                             "aren't in it. Xcode re-downloads it if you ever need it again. Usually the "
                             "biggest hidden chunk of \u201CSystem Data\u201D."),
              bytesText(snapshot.runtimeBytes)};
    case AdvisorCard::unavailableSimulators:
      return {"iphone.slash"_symbol, QStringLiteral("Unavailable simulators"),
              unavailableSimulatorsBlurb(snapshot.findings.unavailableSims), std::nullopt};
    case AdvisorCard::localSnapshots:
      return {"clock.arrow.circlepath"_symbol, QStringLiteral("Time Machine local snapshots"),
              localSnapshotsBlurb(snapshot.findings.snapshotCount), std::nullopt};
    case AdvisorCard::dockerDisk:
      return {"shippingbox"_symbol, QStringLiteral("Docker virtual disk"),
              dockerDiskBlurb(snapshot.findings.dockerBytes), std::nullopt};
  }
  return {};
}

QString unavailableSimulatorsBlurb(int count) {
  return QString::number(count) + QStringLiteral(" simulator") + pluralS(count) +
         QStringLiteral(" whose runtime is gone. Dead weight.");
}

QString localSnapshotsBlurb(int count) {
  return QString::number(count) + QStringLiteral(" local snapshot") + pluralS(count) +
         QStringLiteral(
             " counted as \u201CSystem Data\u201D. macOS decides what's safe to purge. Your real "
             "backups on other drives stay untouched.");
}

QString dockerDiskBlurb(int64_t bytes) {
  return QStringLiteral("Docker keeps all images and containers in one ") + bytesText(bytes) +
         QStringLiteral(
             " virtual disk. Reclaim space safely from Docker itself: open Docker Desktop "
             "\u25B8 Troubleshoot \u25B8 Clean / Purge data, or run \u201Cdocker system prune\u201D "
             "in Terminal.");
}

QString runtimeUsageText(const engine::AdvisorService::SimRuntime& runtime) {
  return design::fileNameText(runtime.usageSummary());
}

std::optional<QString> runtimeLastUsedText(const engine::AdvisorService::SimRuntime& runtime,
                                           std::chrono::system_clock::time_point now) {
  if (!runtime.lastUsed) return std::nullopt;
  return QStringLiteral("Last used ") + QString::fromStdString(base::relativeAgeText(*runtime.lastUsed, now));
}

QString deleteRuntimeTitle() { return QStringLiteral("Delete this Simulator runtime?"); }

QString deleteRuntimeMessage(const engine::AdvisorService::SimRuntime& runtime) {
  return design::fileNameText(runtime.name) +
         QStringLiteral(
             " is the copy of iOS the Simulator boots, not your code, projects, or personal data. ") +
         runtimeUsageText(runtime) +
         QStringLiteral(". Those simulators stop working until Xcode re-downloads the runtime (a ") +
         bytesText(runtime.sizeBytes) + QStringLiteral(" download) the next time you need them.");
}

AdvisorActionControl advisorActionControl(const std::optional<QString>& busyAction, const QString& action,
                                          bool allowed) {
  const bool busy = busyAction && *busyAction == action;
  return {busy, allowed && !busyAction};
}

}  // namespace tidewell::screens
