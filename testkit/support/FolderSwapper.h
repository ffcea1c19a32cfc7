#pragma once
// Swaps two entries of the file system (a real folder and a link beside
// it, say) back and forth with renameat2(RENAME_EXCHANGE) on a thread of
// its own, as fast as the kernel allows, until it is stopped. For tests of
// moves that must never follow a folder swapped for a link mid-way. Once
// stopped, each entry is back under the name it had at the start.

#include <atomic>
#include <string>
#include <thread>

namespace tidewell::testing {

class FolderSwapper {
 public:
  // Starts swapping at once. ok() is false, and nothing runs, when the
  // file system cannot exchange the two (the test should then skip).
  FolderSwapper(std::string first, std::string second);
  ~FolderSwapper();
  FolderSwapper(const FolderSwapper&) = delete;
  FolderSwapper& operator=(const FolderSwapper&) = delete;

  bool ok() const { return ok_; }
  // Stops the thread and puts both entries back; safe to call twice.
  void stop();
  // How many exchanges were made so far (after stop(), in all).
  long swaps() const { return swaps_.load(); }

 private:
  bool exchange() const;

  std::string first_;
  std::string second_;
  bool ok_ = false;
  std::atomic<bool> stopping_{false};
  std::atomic<long> swaps_{0};
  std::thread thread_;
};

}  // namespace tidewell::testing
