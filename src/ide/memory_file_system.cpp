#include "ide/memory_file_system.h"

namespace ide {

void MemoryFileSystem::Create(const std::string& path, const std::string& contents) {
  files_[path] = Entry{contents, ++clock_};
}

std::string MemoryFileSystem::Contents(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second.contents;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string* contents, std::string* err) {
  auto it = files_.find(path);
  if (it == files_.end()) {
    *err = path + ": No such file or directory";
    return false;
  }
  *contents = it->second.contents;
  return true;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& contents,
                                 std::string* err) {
  if (failing_.count(path)) {
    *err = path + ": write failed";
    return false;
  }
  Create(path, contents);
  writes_.push_back(path);
  return true;
}

bool MemoryFileSystem::WriteFiles(const std::vector<std::pair<std::string, std::string>>& files,
                                  std::string* err) {
  for (const auto& [path, contents] : files) {
    if (failing_.count(path)) {
      *err = path + ": write failed";
      return false;
    }
  }
  for (const auto& [path, contents] : files) WriteFile(path, contents, err);
  return true;
}

bool MemoryFileSystem::FileExists(const std::string& path) {
  return files_.count(path) != 0;
}

bool MemoryFileSystem::ListFolder(const std::string& path, std::vector<std::string>* names,
                                  std::string* err) {
  names->clear();
  // "" and "." are the top folder, where relative paths start.
  std::string prefix = path == "." ? "" : path;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  for (auto it = files_.lower_bound(prefix); it != files_.end(); ++it) {
    const std::string& name = it->first;
    if (name.compare(0, prefix.size(), prefix) != 0) break;
    std::string rest = name.substr(prefix.size());
    std::string entry = rest.substr(0, rest.find('/'));
    if (names->empty() || names->back() != entry) names->push_back(entry);
  }
  if (names->empty()) {
    *err = path + ": No such file or directory";
    return false;
  }
  return true;
}

int64_t MemoryFileSystem::Stamp(const std::string& path) {
  auto it = files_.find(path);
  return it == files_.end() ? -1 : it->second.stamp;
}

}  // namespace ide
