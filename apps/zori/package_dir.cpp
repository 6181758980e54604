#include "package_dir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace zori::cli {

std::string DefaultUserPackageDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0')
    return (fs::path(xdg) / "zori" / "package").string();
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return (fs::path(home) / ".local" / "share" / "zori" / "package").string();
  return {};
}

std::string PreparePackageDir(const std::string& given, const std::string& installed_data,
                              std::string* err) {
  std::string chosen = given.empty() ? DefaultUserPackageDir() : given;
  if (chosen.empty()) {
    *err = "no package directory: give --package-dir DIR or set HOME";
    return {};
  }
  std::error_code ec;
  fs::path dir = fs::absolute(chosen, ec);
  if (ec) {
    *err = chosen + ": " + ec.message();
    return {};
  }
  dir = dir.lexically_normal();
  if (!dir.has_filename()) dir = dir.parent_path();  // no trailing separator

  if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) {
    *err = dir.string() + ": not a directory";
    return {};
  }
  bool first_use = !fs::exists(dir, ec) || fs::is_empty(dir, ec);
  if (first_use) {
    fs::create_directories(dir, ec);
    if (ec) {
      *err = dir.string() + ": cannot create the package directory: " + ec.message();
      return {};
    }
    // skip_existing: a file that appeared meanwhile is the user's and stays.
    fs::copy(installed_data, dir, fs::copy_options::recursive | fs::copy_options::skip_existing,
             ec);
    if (ec) {
      *err = dir.string() + ": cannot copy the package data from " + installed_data + ": " +
             ec.message();
      return {};
    }
  }
  return dir.string();
}

}  // namespace zori::cli
