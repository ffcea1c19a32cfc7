#include "screens/deepscan/TrashQuestion.h"

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/deepscan/DeepScanRules.h"

namespace tidewell::screens {

TrashQuestion::TrashQuestion(const engine::BigItem& item, QWidget* parent)
    : ConfirmAlert(QStringLiteral("Move to Trash?"), trashQuestionMessage(item),
                   QStringLiteral("Move to Trash"), design::Color::systemRed(), parent),
      item_(item) {
  named(this, "trashQuestion");
}

}  // namespace tidewell::screens
