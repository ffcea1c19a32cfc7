#include "screens/apps/UninstallSheetContent.h"

#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

using namespace design::literals;

QString lastPathComponent(const std::string& path) {
  size_t end = path.size();
  while (end > 1 && path[end - 1] == '/') --end;
  size_t begin = end;
  while (begin > 0 && path[begin - 1] != '/') --begin;
  // "/" itself has no component after the slash; it stands for itself.
  if (begin == end && end > 0) begin = end - 1;
  return design::fileNameText(path.substr(begin, end - begin));
}

UninstallSheetContent uninstallSheetContent(const engine::UninstallPlan& plan) {
  UninstallSheetContent content;
  const QString name = design::fileNameText(plan.app.name);
  content.title = QStringLiteral("Uninstall ") + name + QStringLiteral("?");
  // The application itself is one of the items, so a plan without
  // leftovers still moves one.
  content.countLine = QString::number(plan.leftovers.size() + 1) + QStringLiteral(" items \u00b7 ") +
                      bytesText(plan.totalBytes()) + QStringLiteral(" will move to the Trash");

  content.rows.push_back({QStringLiteral("app"), "app.fill"_symbol, name + QStringLiteral(".app"),
                          QStringLiteral("Application"), bytesText(plan.app.sizeBytes)});
  for (const auto& leftover : plan.leftovers)
    content.rows.push_back({QString::fromStdString(leftover.id), "folder.fill"_symbol,
                            lastPathComponent(leftover.url), QString::fromStdString(leftover.category),
                            bytesText(leftover.sizeBytes)});
  content.noLeftovers = plan.leftovers.empty();
  return content;
}

}  // namespace tidewell::screens
