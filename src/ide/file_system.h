// FileSystem: the one door through which the IDE host reaches the disk, so that every
// reader and writer can be driven over an in-memory fake in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ide {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file into *contents; false with *err ("path: reason") when it cannot.
  virtual bool ReadFile(const std::string& path, std::string* contents, std::string* err) = 0;

  // Replaces the file atomically: the old file stays whole until the new one is complete.
  // False with *err when the write failed; the old file is then untouched.
  virtual bool WriteFile(const std::string& path, const std::string& contents,
                         std::string* err) = 0;

  // True when path names an existing regular file.
  virtual bool FileExists(const std::string& path) = 0;

  // Names (not paths) of the entries of a folder, sorted; false with *err when unreadable.
  virtual bool ListFolder(const std::string& path, std::vector<std::string>* names,
                          std::string* err) = 0;

  // Modification stamp, growing with each change; -1 when the file does not exist.
  virtual int64_t Stamp(const std::string& path) = 0;
};

// The real disk. Writes go to a temporary file in the same folder, are flushed to the
// device and then renamed over the target, so a crash never leaves a half-written file.
class RealFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string* contents, std::string* err) override;
  bool WriteFile(const std::string& path, const std::string& contents, std::string* err) override;
  bool FileExists(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* err) override;
  int64_t Stamp(const std::string& path) override;
};

}  // namespace ide
