#include "app/root/DetailBranch.h"

namespace tidewell::app {

DetailBranch detailBranch(Mode mode, models::CleanupViewModel::Phase cleanPhase) {
  using Phase = models::CleanupViewModel::Phase;
  switch (mode) {
    case Mode::home:
      return DetailBranch::home;
    case Mode::clean:
      switch (cleanPhase) {
        case Phase::idle:
        case Phase::scanning:
          return DetailBranch::cleanStart;
        case Phase::review:
          return DetailBranch::cleanReview;
        case Phase::cleaning:
        case Phase::done:
          return DetailBranch::cleanResult;
      }
      return DetailBranch::cleanStart;
    case Mode::devMode:
      return DetailBranch::devMode;
    case Mode::apps:
      return DetailBranch::apps;
    case Mode::performance:
      return DetailBranch::performance;
    case Mode::deepScan:
      return DetailBranch::deepScan;
    case Mode::advisor:
      return DetailBranch::advisor;
  }
  return DetailBranch::home;
}

Mode modeOf(DetailBranch branch) {
  switch (branch) {
    case DetailBranch::home:
      return Mode::home;
    case DetailBranch::cleanStart:
    case DetailBranch::cleanReview:
    case DetailBranch::cleanResult:
      return Mode::clean;
    case DetailBranch::devMode:
      return Mode::devMode;
    case DetailBranch::apps:
      return Mode::apps;
    case DetailBranch::performance:
      return Mode::performance;
    case DetailBranch::deepScan:
      return Mode::deepScan;
    case DetailBranch::advisor:
      return Mode::advisor;
  }
  return Mode::home;
}

QString branchName(DetailBranch branch) {
  switch (branch) {
    case DetailBranch::home:
      return QStringLiteral("home");
    case DetailBranch::cleanStart:
      return QStringLiteral("cleanStart");
    case DetailBranch::cleanReview:
      return QStringLiteral("cleanReview");
    case DetailBranch::cleanResult:
      return QStringLiteral("cleanResult");
    case DetailBranch::devMode:
      return QStringLiteral("devMode");
    case DetailBranch::apps:
      return QStringLiteral("apps");
    case DetailBranch::performance:
      return QStringLiteral("performance");
    case DetailBranch::deepScan:
      return QStringLiteral("deepScan");
    case DetailBranch::advisor:
      return QStringLiteral("advisor");
  }
  return {};
}

}  // namespace tidewell::app
