#pragma once
// Where the per-user single-instance channel lives. With a runtime folder
// ($XDG_RUNTIME_DIR, private to the user by contract) the socket sits in
// it; one that is not the user's, or that the group or others may write
// to, counts as none. Without one, a world-writable temporary folder would
// let another user plant or listen on a predictable name first, so the
// socket goes in a folder of the user's own, <temporary root>/
// tidewell-mac-<uid>/, made with mode 0700 and used only while it is a
// real directory (not a link) owned by the user with no group or other
// bits.
//
// Any thread; locate() may create that one folder and touches nothing else.

#include <sys/types.h>

#include <QString>

namespace tidewell::app {

class InstanceFolder {
 public:
  struct Environment {
    QString runtimeFolder;  // $XDG_RUNTIME_DIR; empty, unusable or not private: none
    QString temporaryRoot;  // where the private folder is made
    uid_t uid = uid_t(-1);  // the user the folder must belong to

    // This process: its environment, the system's temporary folder, getuid().
    static Environment ofProcess();
  };

  // Exactly one of the two is set: the socket's path, or one sentence
  // saying why there is no safe place for it.
  struct Place {
    QString socketPath;
    QString problem;
  };

  static Place locate(const Environment& environment);
};

}  // namespace tidewell::app
