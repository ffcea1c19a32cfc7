#pragma once
// Records the warnings the models log while it lives, instead of printing
// them, so a test can check what a failure's log line says.

#include <QMutex>
#include <QString>
#include <QtGlobal>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace tidewell::testing {

class LogLines {
 public:
  LogLines() { previous_ = qInstallMessageHandler(&LogLines::record); }
  ~LogLines() {
    qInstallMessageHandler(previous_);
    QMutexLocker lock(&mutex());
    lines().clear();
  }
  LogLines(const LogLines&) = delete;
  LogLines& operator=(const LogLines&) = delete;

  // The warnings of tidewell.models so far, in order; they are cleared.
  std::vector<std::string> takeWarnings() {
    QMutexLocker lock(&mutex());
    return std::exchange(lines(), {});
  }

 private:
  static QMutex& mutex() {
    static QMutex m;
    return m;
  }
  static std::vector<std::string>& lines() {
    static std::vector<std::string> l;
    return l;
  }
  static void record(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtWarningMsg || !context.category || std::strcmp(context.category, "tidewell.models") != 0)
      return;
    QMutexLocker lock(&mutex());
    lines().push_back(message.toStdString());
  }
  QtMessageHandler previous_ = nullptr;
};

}  // namespace tidewell::testing
