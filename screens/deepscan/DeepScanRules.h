#pragma once
// The texts and the one safety rule of the Deep Scan screen that depend on
// values: the header line, the count-and-size lines, the trash question and
// the outcome banner. Pure; any thread.

#include <QColor>
#include <QString>
#include <cstdint>

#include "design/symbols/SymbolTable.h"
#include "engine/deepscan/BigItem.h"
#include "engine/deepscan/BigItemScanner.h"

namespace tidewell::screens {

// "12 big items • 4.2 GB": the word stays "items" for every count.
QString deepScanSubtitle(int64_t itemCount, int64_t totalBytes);

// "3 · 1.2 GB", the bucket row's count line and the detail heading.
QString countAndSizeLine(int64_t count, int64_t bytes);

// Items that may hold app data or the user's own files are trashed only
// after the user confirms; every other kind goes at once.
bool needsTrashConfirmation(engine::BigItem::Kind kind);

// The question's explanation for item, by its kind (app data, else the
// personal wording).
QString trashQuestionMessage(const engine::BigItem& item);

// What the banner after a trash shows.
struct TrashBannerContent {
  QColor glow;
  design::SymbolName symbol;
  QString message;
};
TrashBannerContent trashBannerContent(const engine::BigItemScanner::TrashOutcome& outcome);

}  // namespace tidewell::screens
