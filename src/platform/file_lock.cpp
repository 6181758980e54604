#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "platform/exceptions.h"

namespace platform {

// One open descriptor per locked file in the process: a second flock of the same file
// through another descriptor would wait on this process's own lock for ever.
struct FileLock::Entry {
  int fd = -1;
  std::pair<dev_t, ino_t> id;
  ~Entry();
};

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::pair<dev_t, ino_t>, std::weak_ptr<FileLock::Entry>> held;
};

Registry& Locks() {
  static Registry registry;
  return registry;
}

[[noreturn]] void Fail(const std::string& path, int err) {
  throw EFileError(path + ": cannot lock: " + std::strerror(err));
}

}  // namespace

FileLock::Entry::~Entry() {
  {
    std::lock_guard guard(Locks().mutex);
    auto it = Locks().held.find(id);
    if (it != Locks().held.end() && it->second.expired()) Locks().held.erase(it);
  }
  ::close(fd);  // closing the last descriptor drops the flock
}

FileLock FileLock::Acquire(const std::string& path) {
  for (;;) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return {};
      Fail(path, errno);
    }
    FileLock lock;
    {
      std::lock_guard guard(Locks().mutex);
      auto it = Locks().held.find({st.st_dev, st.st_ino});
      if (it != Locks().held.end()) lock.entry_ = it->second.lock();
    }
    if (lock.entry_) return lock;

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno == ENOENT) continue;  // replaced between stat and open
      Fail(path, errno);
    }
    int rc;
    while ((rc = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    struct stat locked {};
    if (rc != 0 || ::fstat(fd, &locked) != 0) {
      const int err = errno;
      ::close(fd);
      Fail(path, err);
    }
    // The holder before us may have renamed a new file over path: that one is the table now.
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0 || now.st_dev != locked.st_dev ||
        now.st_ino != locked.st_ino) {
      ::close(fd);
      continue;
    }
    auto entry = std::make_shared<Entry>();
    entry->fd = fd;
    entry->id = {locked.st_dev, locked.st_ino};
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
