#pragma once
// The rules of the Advisor screen that decide a text, a card or a control's
// state, over plain values copied from the model: the summary headline,
// the four finding cards and their blurbs, the runtime rows' texts, the
// delete-runtime question and which action controls are busy or enabled.
// Pure; any thread.

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "engine/advisor/AdvisorService.h"
#include "models/advisor/AdvisorViewModel.h"

namespace tidewell::screens {

// The findings as the screen shows them, copied from the model with the
// two figures the model derives from them.
struct AdvisorFindingsSnapshot {
  models::AdvisorViewModel::Findings findings;
  bool hasFindings = false;
  int64_t runtimeBytes = 0;

  static AdvisorFindingsSnapshot of(const models::AdvisorViewModel& model);
};

// "You're all good." without findings; "12.4 GB of easy wins found." when
// the runtimes hold bytes; else "A few easy wins found." (the Docker disk
// never counts towards the size).
QString advisorHeadline(bool hasFindings, int64_t runtimeBytes);

enum class AdvisorCard { runtimes, unavailableSimulators, localSnapshots, dockerDisk };

// The cards to show, in this order, each only when its finding is there.
std::vector<AdvisorCard> advisorCards(const AdvisorFindingsSnapshot& snapshot);

// What a finding card shows in its header.
struct AdvisorCardHeader {
  design::SymbolName symbol{QString()};
  QString title;
  QString blurb;
  std::optional<QString> size;  // the runtimes' total; none on the other cards
};

AdvisorCardHeader advisorCardHeader(AdvisorCard card, const AdvisorFindingsSnapshot& snapshot);

// "2 simulators whose runtime is gone. Dead weight." ("1 simulator ...").
QString unavailableSimulatorsBlurb(int count);
// "3 local snapshots counted as “System Data”. ..." ("1 local snapshot ...").
QString localSnapshotsBlurb(int count);
// "Docker keeps all images and containers in one 64 GB virtual disk. ...".
QString dockerDiskBlurb(int64_t bytes);

// The usage summary of a runtime, verbatim from the record.
QString runtimeUsageText(const engine::AdvisorService::SimRuntime& runtime);
// "Last used 2 months ago", measured against now; none without a date.
std::optional<QString> runtimeLastUsedText(const engine::AdvisorService::SimRuntime& runtime,
                                           std::chrono::system_clock::time_point now);

// The delete-runtime question.
QString deleteRuntimeTitle();
QString deleteRuntimeMessage(const engine::AdvisorService::SimRuntime& runtime);

// The state of one action control ("Delete…" of a runtime, "Remove All",
// "Thin Snapshots"; action is its busy identifier, a runtime's id or one
// of the model's two) for the action running now: the running one shows its
// spinner; while any action runs, every other action control is disabled,
// so one system tool is never started twice at once. A control the tool
// would refuse (a runtime that is not deletable) is always disabled.
struct AdvisorActionControl {
  bool busy = false;
  bool enabled = true;
  bool operator==(const AdvisorActionControl&) const = default;
};

AdvisorActionControl advisorActionControl(const std::optional<QString>& busyAction, const QString& action,
                                          bool allowed = true);

}  // namespace tidewell::screens
