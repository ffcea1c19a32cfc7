#pragma once
// Records what Qt logs while it lives, instead of printing it, so a test can
// check what a failure's log line says or that nothing was logged at all:
// every message, or only those of one category and type (the models'
// warnings). Qt has one message handler, so one recorder at a time.

#include <QMutex>
#include <QString>
#include <QtGlobal>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tidewell::testing {

class LogLines {
 public:
  // Every message, of any category and type.
  LogLines() : LogLines(nullptr, std::nullopt) {}
  // Only the messages of category (such as "tidewell.models") and type.
  LogLines(const char* category, QtMsgType type) : LogLines(category, std::optional<QtMsgType>(type)) {}
  ~LogLines() {
    qInstallMessageHandler(previous_);
    QMutexLocker lock(&mutex());
    state() = {};
  }
  LogLines(const LogLines&) = delete;
  LogLines& operator=(const LogLines&) = delete;

  // The messages recorded so far, in order; they are cleared.
  std::vector<std::string> take() {
    QMutexLocker lock(&mutex());
    return std::exchange(state().lines, {});
  }

 private:
  struct State {
    const char* category = nullptr;
    std::optional<QtMsgType> type;
    std::vector<std::string> lines;
  };

  LogLines(const char* category, std::optional<QtMsgType> type) {
    {
      QMutexLocker lock(&mutex());
      state() = {category, type, {}};
    }
    previous_ = qInstallMessageHandler(&LogLines::record);
  }
  static QMutex& mutex() {
    static QMutex m;
    return m;
  }
  static State& state() {
    static State s;
    return s;
  }
  static void record(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    QMutexLocker lock(&mutex());
    State& s = state();
    if (s.type && type != *s.type) return;
    if (s.category && (!context.category || std::strcmp(context.category, s.category) != 0)) return;
    s.lines.push_back(message.toStdString());
  }
  QtMessageHandler previous_ = nullptr;
};

}  // namespace tidewell::testing
