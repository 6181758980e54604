#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/exceptions.h"

namespace platform {

namespace {
struct Registry;
}  // namespace

// One open descriptor per locked file in the process: a second flock of the same file
// through another descriptor would wait on this process's own lock for ever.
struct FileLock::Entry {
  int fd = -1;
  std::pair<dev_t, ino_t> id;
  // Kept by every entry: a table still open when the process exits lets go of its lock
  // after the registry's own static is gone.
  std::shared_ptr<Registry> registry;
  ~Entry();
};

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::pair<dev_t, ino_t>, std::weak_ptr<FileLock::Entry>> held;
};

std::shared_ptr<Registry> SharedRegistry() {
  static const auto registry = std::make_shared<Registry>();
  return registry;
}

Registry& Locks() {
  return *SharedRegistry();
}

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw EFileError(path + ": cannot lock: " + reason);
}

std::shared_ptr<FileLock::Entry> Shared(const struct stat& st) {
  std::lock_guard guard(Locks().mutex);
  auto it = Locks().held.find({st.st_dev, st.st_ino});
  return it != Locks().held.end() ? it->second.lock() : nullptr;
}

// Polls rather than blocks, so two processes that lock two tables in opposite orders end
// with an error instead of waiting on each other for ever.
bool LockWithin(int fd, std::chrono::steady_clock::time_point deadline) {
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      errno = EWOULDBLOCK;
      return false;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(20));
  }
}

}  // namespace

FileLock::Entry::~Entry() {
  if (registry != nullptr) {
    std::lock_guard guard(registry->mutex);
    auto it = registry->held.find(id);
    if (it != registry->held.end() && it->second.expired()) registry->held.erase(it);
  }
  ::close(fd);  // closing the last descriptor drops the flock
}

FileLock FileLock::Acquire(const std::string& path, int wait_seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(wait_seconds);
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::string folder = parent.empty() ? std::string(".") : parent.string();
  for (;;) {
    // The file, or its folder while the file is still to be created; opened first and then
    // identified, so a table already locked in this process costs two calls.
    bool on_folder = false;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno != ENOENT) Fail(path, std::strerror(errno));
      fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY);
      if (fd < 0) Fail(path, std::strerror(errno));
      on_folder = true;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
      const int err = errno;
      ::close(fd);
      Fail(path, std::strerror(err));
    }
    FileLock lock;
    lock.entry_ = Shared(st);
    if (!on_folder) lock.status_ = st;
    if (lock.entry_) {
      ::close(fd);  // the process's one descriptor on the file holds the lock already
      return lock;
    }
    if (!LockWithin(fd, deadline)) {
      const int err = errno;
      ::close(fd);
      Fail(path, err == EWOULDBLOCK ? "another process keeps it locked" : std::strerror(err));
    }
    const struct stat& locked = st;
    // The holder before us may have renamed a new file over path, or created it while we
    // waited on the folder: the file at path is the table now.
    struct stat now {};
    const bool same = on_folder ? ::stat(path.c_str(), &now) != 0
                                : ::stat(path.c_str(), &now) == 0 && now.st_dev == locked.st_dev &&
                                      now.st_ino == locked.st_ino;
    if (!same) {
      ::close(fd);
      continue;
    }
    if (!on_folder) lock.status_ = now;
    auto entry = std::make_shared<Entry>();
    entry->fd = fd;
    entry->id = {locked.st_dev, locked.st_ino};
    entry->registry = SharedRegistry();
    {
      std::lock_guard guard(Locks().mutex);
      Locks().held[entry->id] = entry;
    }
    lock.entry_ = std::move(entry);
    return lock;
  }
}

FileLock::~FileLock() = default;

void FileLock::Release() {
  entry_.reset();
}

}  // namespace platform
