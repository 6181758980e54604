// MemoryFileSystem: an in-memory FileSystem for tests, with writes that can be made to
// fail so callers' error paths can be driven.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ide/file_system.h"

namespace ide {

class MemoryFileSystem : public FileSystem {
 public:
  // Creates or replaces a file; folders exist implicitly as path prefixes.
  void Create(const std::string& path, const std::string& contents);
  // Removes a file; nothing happens when there is none.
  void Remove(const std::string& path) { files_.erase(path); }

  // Every later write to path fails with "path: write failed" and leaves the old file.
  void FailWritesTo(const std::string& path) { failing_.insert(path); }

  // The paths written so far, in order, one entry per successful write.
  const std::vector<std::string>& writes() const { return writes_; }

  // The contents of a file, or the empty text when it does not exist.
  std::string Contents(const std::string& path) const;

  bool ReadFile(const std::string& path, std::string* contents, std::string* err) override;
  bool WriteFile(const std::string& path, const std::string& contents, std::string* err) override;
  bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files,
                  std::string* err) override;
  bool FileExists(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* err) override;
  int64_t Stamp(const std::string& path) override;

 private:
  struct Entry {
    std::string contents;
    int64_t stamp = 0;
  };
  std::map<std::string, Entry> files_;
  std::set<std::string> failing_;
  std::vector<std::string> writes_;
  int64_t clock_ = 0;
};

}  // namespace ide
