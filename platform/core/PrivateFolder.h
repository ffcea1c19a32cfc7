#pragma once
// The rule for a folder that only its user may change, such as the Trash
// and its "files" and "info" folders, or the temporary folder cleaning
// may empty: a folder owned by that user that neither its group nor anyone
// else may write. Otherwise another user could take away what is put
// there, or slip something in.

#include <sys/stat.h>
#include <sys/types.h>

namespace tidewell::platform {

// st describes a folder owned by uid, without the group or other write bit.
bool isPrivateFolder(const struct stat& st, uid_t uid);

// The same for the open folder fd; open it without following a link, so
// that the real folder is judged. False when it cannot be examined.
bool isPrivateFolder(int fd, uid_t uid);

}  // namespace tidewell::platform
