// An advisory lock (flock) on a file, so two processes that change the same table take turns.
#pragma once

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

namespace platform {

class FileLock {
 public:
  // Waits until this process holds an exclusive lock on the file now at path. A file
  // replaced by a rename while waiting is locked afresh, so the lock always covers the file
  // the path names. When there is no file at path yet, the folder is locked instead, so two
  // processes creating the same table take turns too. Datasets of one process that open
  // the same file share its lock. Raises EFileError "<path>: cannot lock: <reason>" when
  // the file cannot be opened or another process keeps it locked past wait_seconds.
  static FileLock Acquire(const std::string& path, int wait_seconds = 30);

  FileLock() = default;
  FileLock(FileLock&&) noexcept = default;
  FileLock& operator=(FileLock&&) noexcept = default;
  ~FileLock();

  bool Held() const { return entry_ != nullptr; }
  // The locked file's status when the lock was taken; nothing when the folder was locked
  // because there was no file yet.
  const std::optional<struct stat>& FileStatus() const { return status_; }
  // Gives the lock up (the last holder in the process unlocks the file).
  void Release();

  struct Entry;

 private:
  std::shared_ptr<Entry> entry_;
  std::optional<struct stat> status_;
};

}  // namespace platform
