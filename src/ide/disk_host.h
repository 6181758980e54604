// DiskHost: the IDE in the add-in's eyes, over a Delphi or Lazarus project on disk. It answers the
// open-tools services (notifiers, main menu, modules), installs itself as the global
// services object while it lives, and offers what the IDE's user would do: load a project,
// pick the current module, compile, save all.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ide/ToolsAPI.h"
#include "platform/classes.h"

namespace ide {

class DiskModule;
class ReadAhead;
struct UnitFiles;
class FileSystem;
class FormAncestry;
class IdeDesktop;

class DiskHost {
 public:
  // Installs this host as BorlandIDEServices until it is destroyed.
  explicit DiskHost(std::shared_ptr<FileSystem> fs);
  ~DiskHost();
  DiskHost(const DiskHost&) = delete;
  DiskHost& operator=(const DiskHost&) = delete;

  FileSystem& Files() { return *fs_; }
  // Class knowledge of the forms: the platform's classes plus the loaded class tables.
  platform::ClassRegistry& Classes() { return *classes_; }
  // Adds the classes of a class-table file; false with *err on a read or format fault.
  bool LoadClassTable(const std::string& path, std::string* err);
  // A folder where the units of ancestor forms and frames are looked for after the
  // project's units and the unit's own folder (the IDE's search path); before LoadProject.
  void AddSearchPath(const std::string& folder);

  // Opens a project: one .dpr, .lpi or .lpr, one folder (its project file, see
  // ChooseProjectFile, else its units), or a list of .pas/.dfm/.lfm files. A unit's form is
  // the .dfm beside it, or the .lfm in a Lazarus project. A zori.classes.xml class table in
  // an input's folder is loaded first. Every unit that can be read becomes a module;
  // each input or unit that cannot adds one message to *errors and the result is false.
  // Notifiers then hear of the load (ofnProjectDesktopLoad) with the desktop file's name.
  bool LoadProject(const std::vector<std::string>& paths, std::vector<std::string>* errors);
  // The project file loaded (.dpr, .lpi, .lpr, folder or first file); empty before a load.
  const std::string& ProjectFile() const { return project_file_; }
  // What the load chose without being told (which project of a folder holding both kinds).
  const std::vector<std::string>& Notes() const { return notes_; }
  // Whether the project loaded is a Lazarus one.
  bool Lazarus() const { return lazarus_; }

  // The project file a folder stands for: its one .dpr; else its one .lpi (the .lpr beside
  // it is that project's program); else its one .lpr. Empty when there is none or more
  // than one. A folder holding both a Delphi and a Lazarus project opens the Delphi one and
  // *note says so.
  static std::string ChooseProjectFile(FileSystem& fs, const std::string& folder,
                                       std::string* note);
  // Whether paths name a Lazarus project (.lpi, .lpr, .lfm forms, or a folder standing for
  // one), whose forms take the LCL's class table and whose units are UTF-8. A unit without
  // a form is Lazarus's when a Lazarus project sits beside it (and no .dpr), or, with no
  // project beside it, when its text holds a {$mode ...} directive.
  static bool IsLazarusProject(FileSystem& fs, const std::vector<std::string>& paths);

  // Lists the project's units without opening them, for runs that visit one form at a time
  // and would otherwise hold the whole project in memory; before LoadProject. Each listed
  // unit is then opened by OpenListed and put away by CloseModule; the desktop file's
  // cursors are not placed in units opened this way.
  void ListUnitsOnly() { list_only_ = true; }
  int ListedCount() const { return static_cast<int>(listed_.size()); }
  // Opens the listed unit at index as a module and makes it current when no module is;
  // nullptr, with one message in *errors, when it cannot be read.
  std::shared_ptr<DiskModule> OpenListed(int index, std::vector<std::string>* errors);
  // Closes an open module, as the IDE's File | Close does without saving: it leaves the
  // module list and its form's components are freed once no one holds the module.
  void CloseModule(const DiskModule& module);

  int ModuleCount() const { return static_cast<int>(modules_.size()); }
  std::shared_ptr<DiskModule> Module(int index) const;
  // The index of an open module, or -1.
  int IndexOf(const DiskModule& module) const;
  // The module whose unit file is path (letter case ignored), or nullptr.
  std::shared_ptr<DiskModule> FindModule(const std::string& path) const;
  // The module the tools work on; -1 for none. Defaults to the first module with a form.
  int CurrentModuleIndex() const { return current_; }
  void SetCurrentModule(int index);

  // Runs the notifiers' BeforeCompile (a code-insight compile when code_insight); false
  // when one of them cancelled the compile, in which case AfterCompile is not sent.
  bool Compile(bool code_insight = false);
  // Saves every modified module and the desktop's changed window places (the IDE's
  // File | Save All); false with *err naming the first file that could not be written
  // (the other files are still saved).
  bool SaveAll(std::string* err);

  // The folder of the add-in's package file ZORIIDEx_1.bpl. The host lists that file among
  // the IDE's known packages (HKEY_CURRENT_USER\Software\Borland\Delphi\6.0\Known
  // Packages, in the application's registry), replacing the path set before.
  void SetPackageDirectory(const std::string& folder);
  const std::string& PackageDirectory() const { return package_dir_; }

  // The IDE's own windows and its main menu.
  IdeDesktop& Desktop() { return *desktop_; }

  // Notifiers registered and not removed, for checks that nothing is left behind.
  int NotifierCount() const { return static_cast<int>(notifiers_.size()); }

 private:
  // A name a form designed on top of the module's form already uses is refused there.
  std::string DescendantClash(DiskModule& ancestor, const std::string& new_name) const;
  // A rename in a form reaches the open forms designed on it or placing it inline.
  void FollowInDescendants(DiskModule& ancestor, const std::string& old_name,
                           const std::string& new_name);
  void HookRenames(const std::shared_ptr<DiskModule>& module);
  class Services;
  friend class Services;

  bool OpenUnit(const std::string& pas_path, const std::string& dfm_path,
                std::vector<std::string>* errors);
  std::shared_ptr<DiskModule> OpenModule(const std::string& pas_path, const std::string& dfm_path,
                                         std::vector<std::string>* errors);
  std::shared_ptr<DiskModule> OpenModule(UnitFiles files, std::vector<std::string>* errors);
  // The listed unit at index as read, by the read-ahead workers when the disk allows.
  UnitFiles ReadListed(int index);
  void IndexModules();
  // A .dpr, or a .lpr read the same way with its forms in .lfm files.
  bool LoadDpr(const std::string& path, std::vector<std::string>* errors);
  bool LoadLpi(const std::string& path, std::vector<std::string>* errors);
  bool LoadFolder(const std::string& path, std::vector<std::string>* errors);
  void Notify(TOTAFileNotification code, const std::string& file_name);
  // Puts each unit's cursor where the desktop file's editor view left it.
  void RestoreCursors();
  std::shared_ptr<IOTAProject> Project();

  std::shared_ptr<FileSystem> fs_;
  std::unique_ptr<FormAncestry> ancestry_;
  // Shared with the forms, whose components keep their classes while the add-in holds
  // them, even past the host.
  std::shared_ptr<platform::ClassRegistry> classes_ =
      std::make_shared<platform::ClassRegistry>(&platform::BuiltinClasses());
  std::shared_ptr<Services> services_;
  std::unique_ptr<IdeDesktop> desktop_;
  std::vector<std::shared_ptr<DiskModule>> modules_;
  // Upper-cased path and file name of each module to its first index in modules_.
  std::unordered_map<std::string, size_t> modules_by_path_;
  std::unordered_map<std::string, size_t> modules_by_name_;
  struct ListedUnit {
    std::string pas;
    std::string form;
  };
  bool list_only_ = false;
  std::vector<ListedUnit> listed_;
  std::unordered_set<std::string> listed_paths_;  // upper-cased
  // Held while the host lives: the forms' rename hooks reach the host through it.
  std::shared_ptr<DiskHost*> self_ = std::make_shared<DiskHost*>(this);
  std::map<int, std::shared_ptr<IOTAIDENotifier>> notifiers_;
  int next_notifier_ = 0;
  int current_ = -1;
  std::string project_file_;
  std::vector<std::string> notes_;
  bool lazarus_ = false;  // forms are .lfm before .dfm
  // Its workers hold their own copies of what they read from; they stop when it goes.
  std::unique_ptr<ReadAhead> read_ahead_;
  std::string package_dir_;
};

}  // namespace ide
