#include "testkit/support/FolderSwapper.h"

#include <fcntl.h>
#include <stdio.h>

#include <utility>

namespace tidewell::testing {

FolderSwapper::FolderSwapper(std::string first, std::string second)
    : first_(std::move(first)), second_(std::move(second)) {
  // One exchange and back tells whether the file system can do it at all.
  if (!exchange() || !exchange()) return;
  ok_ = true;
  thread_ = std::thread([this] {
    while (!stopping_.load(std::memory_order_relaxed)) {
      if (exchange()) swaps_.fetch_add(1, std::memory_order_relaxed);
    }
  });
}

FolderSwapper::~FolderSwapper() { stop(); }

bool FolderSwapper::exchange() const {
  return renameat2(AT_FDCWD, first_.c_str(), AT_FDCWD, second_.c_str(), RENAME_EXCHANGE) == 0;
}

void FolderSwapper::stop() {
  if (!thread_.joinable()) return;
  stopping_ = true;
  thread_.join();
  // An odd count leaves the two swapped.
  if (swaps_ % 2 != 0 && exchange()) swaps_ += 1;
}

}  // namespace tidewell::testing
