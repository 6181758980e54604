// Opening a project the way every zori command does: a host over the real disk with the
// installed class table, the user's class tables, and the project's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ide/disk_host.h"

namespace CLI {
class App;
}

namespace zori::cli {

class AddinSession;

struct HostSession {
  std::unique_ptr<ide::DiskHost> host;
  // One message per input or unit that could not be read; empty when all loaded.
  std::vector<std::string> errors;
  // What the load chose on its own (which project of a folder holding two kinds).
  std::vector<std::string> notes;
};

// Starts a host (it becomes the IDE's services object), loads the installed class table
// (the LCL's for a Lazarus project) and each of class_tables, then the project at paths;
// the units of ancestor forms and frames are looked for in search_paths after the
// project's own. A class table that cannot be read is an error like an unreadable unit.
// With one_at_a_time the units are only listed (DiskHost::ListUnitsOnly), for commands
// that visit each form once through ListedModule and so keep one form in memory at a time.
HostSession OpenProject(const std::vector<std::string>& paths,
                        const std::vector<std::string>& class_tables,
                        const std::vector<std::string>& search_paths = {},
                        bool one_at_a_time = false);

// Unloads the add-in before the project's host goes, however the command returns: the
// package leaves the host's menu and notifiers while they are still there.
class UnloadBeforeHost {
 public:
  UnloadBeforeHost(AddinSession& session, HostSession& project)
      : session_(session), project_(project) {}
  ~UnloadBeforeHost();
  UnloadBeforeHost(const UnloadBeforeHost&) = delete;
  UnloadBeforeHost& operator=(const UnloadBeforeHost&) = delete;

 private:
  AddinSession& session_;
  HostSession& project_;
};

// The listed unit at index, open for the life of this object and closed after it.
class ListedModule {
 public:
  ListedModule(ide::DiskHost& host, int index, std::vector<std::string>* errors)
      : host_(host), module_(host.OpenListed(index, errors)) {}
  ~ListedModule() {
    if (module_ != nullptr) host_.CloseModule(*module_);
  }
  ListedModule(const ListedModule&) = delete;
  ListedModule& operator=(const ListedModule&) = delete;
  ide::DiskModule* get() const { return module_.get(); }

 private:
  ide::DiskHost& host_;
  std::shared_ptr<ide::DiskModule> module_;
};

// Adds the repeatable --search-path DIR option of the commands that open projects.
void AddSearchPathOption(CLI::App& command, std::vector<std::string>& folders);
// Adds --classes FILE (repeatable): extra class tables for the user's own component classes.
void AddClassesOption(CLI::App& command, std::vector<std::string>& tables);

}  // namespace zori::cli
