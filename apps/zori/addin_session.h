// One run of the add-in behind the command line: the package directory, the known-packages
// entry that names the package file in it, a modal driver that prints every message the
// user would see, and the package's load step; the destructor unloads the package.
#pragma once

#include <string>

namespace zori::cli {

struct Context;

class AddinSession {
 public:
  explicit AddinSession(Context& context);
  ~AddinSession();
  AddinSession(const AddinSession&) = delete;
  AddinSession& operator=(const AddinSession&) = delete;

  // Prepares the package directory and loads the package; false with err filled when the
  // package directory cannot be had.
  bool Load(std::string* err);

  // Loads the text catalogue as the tool menu's build does, for a run that opens the
  // add-in's windows without building the menu.
  void LoadCatalogue();

  // The package's unload step, at most once; the destructor calls it when not done yet.
  // Call it before the IDE host goes, so the package leaves the host's menu and notifiers.
  void Unload();

  // When the configuration store is missing from the package directory: a sentence that
  // names the file and where it was looked for; empty when the file is there.
  std::string MissingStoreNote() const;

  // The package directory in use (absolute, no trailing separator).
  const std::string& PackageDir() const { return package_dir_; }

 private:
  Context& context_;
  std::string package_dir_;
  bool loaded_ = false;
};

}  // namespace zori::cli
