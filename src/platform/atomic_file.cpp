#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) Fail(path, "write", errno);
  const std::string temp(name.data());
  auto abandon = [&](int err) {
    close(fd);
    unlink(temp.c_str());
    Fail(path, "write", err);
  };
  // Keep the old file's permissions when replacing it; a new file gets the usual 0644.
  struct stat old_stat {};
  const mode_t mode = stat(path.c_str(), &old_stat) == 0 ? (old_stat.st_mode & 07777) : 0644;
  if (fchmod(fd, mode) != 0) abandon(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon(errno);
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0) abandon(errno);
  if (close(fd) != 0) {
    const int err = errno;
    unlink(temp.c_str());
    Fail(path, "write", err);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    unlink(temp.c_str());
    Fail(path, "write", err);
  }
  // Make the rename itself durable; failing to sync the folder does not undo the write.
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
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
