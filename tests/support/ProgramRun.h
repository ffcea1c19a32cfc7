#pragma once
// Runs one of the built programs as a user would from a terminal with no
// display at all: no QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY. Home and
// the XDG folders stay the test's decoys.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tidewell::testing {

struct ProgramRun {
  bool finished = false;  // false: it crashed or did not end
  int exitCode = -1;
  QString out;
  QString err;
};

inline ProgramRun runWithoutDisplay(const QString& program, const QStringList& arguments) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    environment.remove(QString::fromLatin1(name));
  }
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  ProgramRun run;
  if (!process.waitForFinished(60 * 1000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.finished = process.exitStatus() == QProcess::NormalExit;
  run.exitCode = process.exitCode();
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

}  // namespace tidewell::testing
