// FileSystem: the one door through which the IDE host reaches the disk, so that every
// reader and writer can be driven over an in-memory fake in tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
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

  // Replaces several files so that a failure leaves every one of them as it was: all the
  // new contents are written aside first, then put in place one after the other, and the
  // ones already in place are put back when a later one fails. False with *err.
  virtual bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files,
                          std::string* err) = 0;

  // True when path names an existing regular file.
  virtual bool FileExists(const std::string& path) = 0;

  // Names (not paths) of the entries of a folder, sorted; false with *err when unreadable.
  virtual bool ListFolder(const std::string& path, std::vector<std::string>* names,
                          std::string* err) = 0;

  // Modification stamp, growing with each change; -1 when the file does not exist.
  virtual int64_t Stamp(const std::string& path) = 0;

  // True when ReadFile may be called from several threads at once.
  virtual bool ConcurrentReads() const { return false; }
};

// The real disk. Writes go to a temporary file in the same folder, are flushed to the
// device and then renamed over the target, so a crash never leaves a half-written file.
// A symbolic link is written through: the file it points to is replaced, the link stays.
class RealFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string* contents, std::string* err) override;
  bool WriteFile(const std::string& path, const std::string& contents, std::string* err) override;
  bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files,
                  std::string* err) override;
  bool FileExists(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* err) override;
  int64_t Stamp(const std::string& path) override;
  bool ConcurrentReads() const override { return true; }

 protected:
  // The steps of a write, apart so tests can make one of them fail as a full disk or a
  // failing device would. Each returns 0 or an errno value.
  virtual int WriteTemporary(const std::string& target, const std::string& contents,
                             std::string* temp);
  virtual int Rename(const std::string& from, const std::string& to);
};

}  // namespace ide
