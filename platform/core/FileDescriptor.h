#pragma once
// An owned file descriptor, closed once whichever way its scope is left.

#include <unistd.h>

#include <utility>

namespace tidewell::platform {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Closes the one held and takes fd.
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Hands the descriptor to the caller, who closes it.
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace tidewell::platform
