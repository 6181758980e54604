#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/exceptions.h"

namespace platform {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& what, int err) {
  throw EFileError(path + ": cannot " + what + ": " + std::strerror(err));
}

std::string FolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// Temporaries are ".<name>.~<pid>.XXXXXX", so a later run can tell whose they are.
std::string TemporaryPrefix(const std::string& target) {
  return "." + std::filesystem::path(target).filename().string() + ".~";
}

}  // namespace

std::string WriteTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::canonical(path, ec);
  return ec ? path : real.string();
}

int WriteTemporary(const std::string& target, std::string_view bytes, std::string* temp) {
  std::string name = (std::filesystem::path(FolderOf(target)) /
                      (TemporaryPrefix(target) + std::to_string(::getpid()) + ".XXXXXX"))
                         .string();
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return errno;
  auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(name.c_str());
    return err;
  };
  // Keep the old file's permissions when replacing it; a new file gets the usual 0644.
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return abandon(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(errno);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) return abandon(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(name.c_str());
    return err;
  }
  *temp = std::move(name);
  return 0;
}

void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string prefix = TemporaryPrefix(target);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    const long pid = std::strtol(entry->d_name + prefix.size(), nullptr, 10);
    // A process still running may be in the middle of its own write.
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
      ::unlink((folder + "/" + std::string(name)).c_str());
    }
  }
  ::closedir(dir);
}

void SyncFolderOf(const std::string& path) {
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = WriteTarget(path);
  RemoveStaleTemporaries(target);
  std::string temp;
  if (const int err = WriteTemporary(target, bytes, &temp); err != 0) Fail(path, "write", err);
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    Fail(path, "write", err);
  }
  SyncFolderOf(target);
}

std::string ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) Fail(path, "read", EISDIR);
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, "read", errno != 0 ? errno : ENOENT);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) Fail(path, "read", EIO);
  std::string bytes(static_cast<size_t>(size), '\0');
  in.seekg(0, std::ios::beg);
  if (size > 0 && !in.read(bytes.data(), size)) Fail(path, "read", EIO);
  return bytes;
}

}  // namespace platform
