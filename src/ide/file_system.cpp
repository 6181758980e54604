#include "ide/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace ide {

namespace {

std::string Reason(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now so the caller sees the error a delayed write may report at close.
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& contents) {
  size_t done = 0;
  while (done < contents.size()) {
    ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool RealFileSystem::ReadFile(const std::string& path, std::string* contents, std::string* err) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    *err = Reason(path, errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    *err = Reason(path, errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *err = path + ": not a regular file";
    return false;
  }
  contents->clear();
  contents->reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = Reason(path, errno);
      return false;
    }
    if (n == 0) break;
    contents->append(buffer, static_cast<size_t>(n));
  }
  return true;
}

bool RealFileSystem::WriteFile(const std::string& path, const std::string& contents,
                               std::string* err) {
  std::filesystem::path target(path);
  // A read-only file stays as it is, as in the IDE: renaming a new file over it would
  // slip past its protection.
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
    *err = Reason(path, EACCES);
    return false;
  }
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  Descriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) {
    *err = Reason(path, errno);
    return false;
  }
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0)
    ::fchmod(fd.get(), old.st_mode & 07777);
  else
    ::fchmod(fd.get(), 0644);

  bool ok = WriteAll(fd.get(), contents) && ::fsync(fd.get()) == 0;
  int error = errno;
  if (fd.Close() != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    *err = Reason(path, error);
    return false;
  }
  // Make the rename itself durable.
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

bool RealFileSystem::FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RealFileSystem::ListFolder(const std::string& path, std::vector<std::string>* names,
                                std::string* err) {
  names->clear();
  std::error_code ec;
  std::filesystem::directory_iterator it(path, ec);
  if (ec) {
    *err = path + ": " + ec.message();
    return false;
  }
  for (const auto& entry : it) names->push_back(entry.path().filename().string());
  std::sort(names->begin(), names->end());
  return true;
}

int64_t RealFileSystem::Stamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

}  // namespace ide
