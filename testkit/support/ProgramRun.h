#pragma once
// Runs one of the built programs as a user would from a terminal with no
// display at all: no QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY. Home and
// the XDG folders stay the test's decoys.

#include <gtest/gtest.h>
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

// One command line and what the program must answer to it.
struct ProgramAnswer {
  QStringList arguments;
  int exitCode;
  const char* out;  // a part of standard output
  const char* err;  // all of standard error
};

inline void expectAnswers(const QString& program, std::initializer_list<ProgramAnswer> answers) {
  for (const ProgramAnswer& a : answers) {
    SCOPED_TRACE(a.arguments.join(' ').toStdString());
    const ProgramRun run = runWithoutDisplay(program, a.arguments);
    ASSERT_TRUE(run.finished) << run.err.toStdString();
    EXPECT_EQ(run.exitCode, a.exitCode);
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(a.out))) << run.out.toStdString();
    EXPECT_EQ(run.err.toStdString(), a.err);
  }
}

}  // namespace tidewell::testing
