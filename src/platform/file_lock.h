// An advisory lock (flock) on a file, so two processes that change the same table take turns.
#pragma once

#include <memory>
#include <string>

namespace platform {

class FileLock {
 public:
  // Blocks until this process holds an exclusive lock on the file now at path. A file
  // replaced by a rename while waiting is locked afresh, so the lock always covers the file
  // the path names. Datasets of one process that open the same file share its lock. Returns
  // an empty lock when there is no file at path; raises EFileError
  // "<path>: cannot lock: <reason>" when the file cannot be opened or locked.
  static FileLock Acquire(const std::string& path);

  FileLock() = default;
  FileLock(FileLock&&) noexcept = default;
  FileLock& operator=(FileLock&&) noexcept = default;
  ~FileLock();

  bool Held() const { return entry_ != nullptr; }
  // Gives the lock up (the last holder in the process unlocks the file).
  void Release();

  struct Entry;

 private:
  std::shared_ptr<Entry> entry_;
};

}  // namespace platform
