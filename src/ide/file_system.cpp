#include "ide/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/atomic_file.h"

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

 private:
  int fd_;
};

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
  return WriteFiles({{path, contents}}, err);
}

bool RealFileSystem::WriteFiles(const std::vector<std::pair<std::string, std::string>>& files,
                                std::string* err) {
  struct Staged {
    std::string path;    // as the caller named it, for messages
    std::string target;  // the file replaced (a symbolic link is written through)
    std::string temp;    // the new contents, until renamed over target
    std::string backup;  // a second name for the old file while the others are renamed
  };
  std::vector<Staged> staged;
  auto discard = [&staged] {
    for (const Staged& s : staged) {
      if (!s.temp.empty()) ::unlink(s.temp.c_str());
      if (!s.backup.empty()) ::unlink(s.backup.c_str());
    }
  };
  auto fail = [&](const std::string& path, int error) {
    discard();
    *err = Reason(path, error);
    return false;
  };
  for (const auto& [path, contents] : files) {
    Staged s{path, platform::WriteTarget(path), {}, {}};
    // A read-only file stays as it is, as in the IDE: renaming a new file over it would
    // slip past its protection.
    if (::access(s.target.c_str(), F_OK) == 0 && ::access(s.target.c_str(), W_OK) != 0) {
      return fail(path, EACCES);
    }
    platform::RemoveStaleTemporaries(s.target);
    const int error = WriteTemporary(s.target, contents, &s.temp);
    if (error != 0) return fail(path, error);
    staged.push_back(std::move(s));
  }
  // With more than one file, each old file keeps a second name until all are in place, so
  // a failed rename can put back the ones renamed before it.
  if (staged.size() > 1) {
    for (Staged& s : staged) {
      if (::access(s.target.c_str(), F_OK) != 0) continue;
      std::string backup = s.temp + ".old";
      if (::link(s.target.c_str(), backup.c_str()) != 0) return fail(s.path, errno);
      s.backup = std::move(backup);
    }
  }
  for (size_t i = 0; i < staged.size(); ++i) {
    const int error = Rename(staged[i].temp, staged[i].target);
    if (error == 0) {
      staged[i].temp.clear();
      continue;
    }
    for (size_t j = 0; j < i; ++j) {
      if (!staged[j].backup.empty()) {
        if (::rename(staged[j].backup.c_str(), staged[j].target.c_str()) == 0)
          staged[j].backup.clear();
      } else {
        ::unlink(staged[j].target.c_str());  // it did not exist before
      }
    }
    return fail(staged[i].path, error);
  }
  discard();  // the backups
  for (const Staged& s : staged) platform::SyncFolderOf(s.target);
  return true;
}

int RealFileSystem::WriteTemporary(const std::string& target, const std::string& contents,
                                   std::string* temp) {
  return platform::WriteTemporary(target, contents, temp);
}

int RealFileSystem::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
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
