// A scoped temporary folder for tests that write files.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zori_test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zori_test_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  // Copies a fixture of tests/data/datapackets into the folder and returns its new path.
  std::string CopyFixture(const std::string& name) const {
    const std::string target = Path(name);
    std::filesystem::copy_file(std::string(ZORI_TEST_DATA_DIR) + "/datapackets/" + name, target);
    return target;
  }
  int FileCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_),
                                          std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path path_;
};

inline std::string Fixture(const std::string& name) {
  return std::string(ZORI_TEST_DATA_DIR) + "/datapackets/" + name;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zori_test
