#pragma once
// One opened Trash folder (the home trash or a top-directory trash) with its
// "files" and "info" folders held by descriptor, so that a name is claimed
// and an item moved in relative to the folders that were checked, even if
// their paths change meanwhile. Any thread may use one; claiming a name
// is safe against other threads and other Trash clients.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/FailureReason.h"
#include "platform/core/FileDescriptor.h"

namespace tidewell::platform {

class TrashDirectory {
 public:
  // The home trash at path, made (with missing parents) mode 0700 when
  // absent. It may lie behind a link; its "files" and "info" folders must
  // not be links. Absent when any of the three cannot be made or is not a
  // private folder of uid (platform::isPrivateFolder): another user could
  // take away what is put in a Trash that is not the user's own. why, when
  // given, learns the reason it is absent.
  static std::optional<TrashDirectory> openHome(const std::string& path, uid_t uid,
                                                FailureReason* why = nullptr);

  // The trash of topDirectory for uid: topDirectory/.Trash/uid when
  // topDirectory/.Trash is a real folder (not a link) with the sticky bit,
  // else topDirectory/.Trash-uid. The per-user folder is made mode 0700 when
  // absent and must be a real folder owned by uid. Absent when neither can
  // be used; why, when given, learns the reason.
  static std::optional<TrashDirectory> openTop(const std::string& topDirectory, uid_t uid,
                                               FailureReason* why = nullptr);

  // The folder holding "files" and "info".
  const std::string& path() const { return path_; }

  // Claims a name for an item called itemName: writes infoText whole and
  // synced into a draft in "info" (hidden, not ending in .trashinfo, so no
  // client lists it), then links the draft to info/NAME.trashinfo, which
  // succeeds only while that name is free, and removes the draft; so a
  // record under a claimed name always holds its whole text. (A file
  // system without hard links gets the record created exclusively in
  // place.) NAME is itemName, shortened when it leaves no room for the
  // extension (between characters when it is valid UTF-8, else between
  // bytes), replaced by a generated "item-UUID" when it is empty, "." or
  // "..", then NAME.2, NAME.3 and so on while a name is taken in "info" or
  // "files"; so it is never empty, "." or "..". Empty, with errno saying
  // why, when itemName holds "/" or NUL (EINVAL), or no record could be
  // written or named. beforeNaming is called once the draft is written,
  // right before it is named; tests stop the process there.
  std::string claim(std::string_view itemName, std::string_view infoText,
                    const std::function<void()>& beforeNaming = {}) const;

  // Renames the entry `name` of the folder parentFd into files/trashName,
  // never replacing anything there. When that fails the claimed info file
  // is removed and the result is false, with errno as the rename left it.
  bool moveIn(int parentFd, const std::string& name, const std::string& trashName) const;

 private:
  TrashDirectory(std::string path, FileDescriptor files, FileDescriptor info);
  static std::optional<TrashDirectory> openInside(int trashFd, std::string path);
  // Writes infoText whole into the new file `fileName` of "info" and syncs
  // it; 0, or the errno of the failure (the file is then removed).
  int writeRecord(const std::string& fileName, std::string_view infoText) const;
  // Gives the written draft the name infoName, only when that is free; with
  // no draft, writes the record in place. 0, or the errno of the failure.
  int takeName(const std::string& draft, const std::string& infoName, std::string_view infoText) const;

  std::string path_;
  FileDescriptor files_;
  FileDescriptor info_;
};

}  // namespace tidewell::platform
