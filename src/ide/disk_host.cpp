#include "ide/disk_host.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "ide/class_table.h"
#include "ide/dfm_document.h"
#include "ide/disk_module.h"
#include "ide/dpr_parser.h"
#include "ide/file_system.h"
#include "ide/form_ancestry.h"
#include "ide/form_editor.h"
#include "ide/ide_desktop.h"
#include "ide/lpi_reader.h"
#include "ide/read_ahead.h"
#include "ide/source_editor.h"
#include "platform/actions.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/registry.h"

namespace ide {

namespace fs = std::filesystem;

// The services object handed to the add-in. It outlives the host when the add-in keeps a
// reference; from then on it answers as an IDE with nothing open.
class DiskHost::Services : public IBorlandIDEServices,
                           public IOTAServices,
                           public INTAServices,
                           public IOTAModuleServices {
 public:
  explicit Services(DiskHost* host) : host_(host) {}
  void Detach() { host_ = nullptr; }

  int AddNotifier(const std::shared_ptr<IOTAIDENotifier>& notifier) override {
    if (host_ == nullptr || notifier == nullptr) return -1;
    const int index = host_->next_notifier_++;
    host_->notifiers_[index] = notifier;
    return index;
  }
  void RemoveNotifier(int index) override {
    if (host_ != nullptr) host_->notifiers_.erase(index);
  }
  platform::TMainMenu* GetMainMenu() override {
    return host_ != nullptr ? host_->desktop_->MainMenu() : nullptr;
  }
  std::shared_ptr<IOTAModule> CurrentModule() override {
    return host_ != nullptr ? host_->Module(host_->current_) : nullptr;
  }
  int GetModuleCount() override { return host_ != nullptr ? host_->ModuleCount() : 0; }
  std::shared_ptr<IOTAModule> GetModule(int index) override {
    return host_ != nullptr ? host_->Module(index) : nullptr;
  }

 private:
  DiskHost* host_;
};

namespace {

// The project as the compile events see it: its file, no editors of its own.
class DiskProject : public IOTAProject {
 public:
  explicit DiskProject(std::string file_name) : file_name_(std::move(file_name)) {}
  std::string GetFileName() override { return file_name_; }
  int GetModuleFileCount() override { return 0; }
  std::shared_ptr<IOTAEditor> GetModuleFileEditor(int) override { return nullptr; }
  bool Save(bool, bool) override { return true; }

 private:
  std::string file_name_;
};

// The 1-based column of name on line of text, for messages; "1" when it is not there.
std::string ColumnOf(const std::string& text, size_t line, const std::string& name) {
  size_t start = 0;
  for (size_t l = 1; l < line && start != std::string::npos; ++l) {
    start = text.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos) return "1";
  const std::string upper =
      platform::UpperAscii(text.substr(start, text.find('\n', start) - start));
  const size_t at = upper.find(platform::UpperAscii(name));
  return std::to_string(at == std::string::npos ? 1 : at + 1);
}

constexpr const char* kKnownPackages = "Software\\Borland\\Delphi\\6.0\\Known Packages";
constexpr const char* kPackageFile = "ZORIIDEx_1.bpl";

// The design-time packages an installed IDE lists before any add-in.
constexpr const char* kIdePackages[][2] = {
    {"$(DELPHI)\\Bin\\dclstd60.bpl", "Borland Standard Components"},
    {"$(DELPHI)\\Bin\\dcldb60.bpl", "Borland Database Components"},
    {"$(DELPHI)\\Bin\\dclmid60.bpl", "Borland MIDAS Components"},
    {"$(DELPHI)\\Bin\\dclado60.bpl", "Borland ADO DB Components"},
    {"$(DELPHI)\\Bin\\dclib60.bpl", "InterBase Data Access Components"},
    {"$(DELPHI)\\Bin\\dcldbx60.bpl", "Borland dbExpress Components"},
};

std::string Extension(const std::string& path) {
  return platform::UpperAscii(fs::path(path).extension().string());
}

// Names in a folder with the given upper-case extension.
std::vector<std::string> WithExtension(const std::vector<std::string>& names,
                                       const std::string& ext) {
  std::vector<std::string> found;
  for (const std::string& name : names)
    if (Extension(name) == ext) found.push_back(name);
  return found;
}

}  // namespace

// A path of a Windows project as it exists here: backslashes become slashes, and a name
// whose letter case differs from the file on disk finds that file. Empty when missing.
static std::string ResolvePath(FileSystem& files, std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return FindFileIgnoringCase(files, path);
}

DiskHost::DiskHost(std::shared_ptr<FileSystem> fs)
    : fs_(std::move(fs)),
      ancestry_(std::make_unique<FormAncestry>(fs_)),
      services_(std::make_shared<Services>(this)),
      desktop_(std::make_unique<IdeDesktop>()) {
  // The commands of the main menu this host carries out; a failure shows as the IDE's
  // error box.
  platform::TForm& main = desktop_->MainWindow();
  auto on = [&main](const char* action, std::function<void()> run) {
    if (auto* a = dynamic_cast<platform::TBasicAction*>(main.FindComponent(action))) {
      a->OnExecute = [run = std::move(run)](platform::TObject*) { run(); };
    }
  };
  on("FileSaveAllCommand", [this] {
    std::string err;
    if (!SaveAll(&err)) platform::Application().MessageBox(err, "Error");
  });
  on("FileSaveCommand", [this] {
    auto module = Module(current_);
    if (module != nullptr && !module->Save(false, true)) {
      platform::Application().MessageBox(module->LastError(), "Error");
    }
  });
  on("ProjectCompileCommand", [this] { Compile(); });
  platform::RegistryStore& registry = platform::Application().Registry();
  for (const auto& [file, description] : kIdePackages) {
    registry.SetString(platform::HKEY_CURRENT_USER, kKnownPackages, file, description);
  }
  BorlandIDEServices = services_;
}

DiskHost::~DiskHost() {
  // Notifiers still registered hear that the IDE goes away, then lose their registration.
  auto notifiers = notifiers_;
  for (auto& [index, notifier] : notifiers) notifier->Destroyed();
  notifiers_.clear();
  services_->Detach();
  if (BorlandIDEServices == services_) BorlandIDEServices.reset();
}

void DiskHost::SetPackageDirectory(const std::string& folder) {
  platform::RegistryStore& registry = platform::Application().Registry();
  if (auto* key = registry.Find(platform::HKEY_CURRENT_USER, kKnownPackages, true)) {
    const std::string old_path = (fs::path(package_dir_) / kPackageFile).string();
    std::erase_if(key->values, [&](const auto& value) {
      return !package_dir_.empty() && value.name == old_path;
    });
  }
  package_dir_ = folder;
  registry.SetString(platform::HKEY_CURRENT_USER, kKnownPackages,
                     (fs::path(folder) / kPackageFile).string(), "ROVUVUVoravud");
}

bool DiskHost::LoadClassTable(const std::string& path, std::string* err) {
  std::string text;
  if (!fs_->ReadFile(path, &text, err)) return false;
  return ide::LoadClassTable(text, path, *classes_, err);
}

void DiskHost::AddSearchPath(const std::string& folder) {
  ancestry_->AddSearchFolder(folder);
}

std::shared_ptr<DiskModule> DiskHost::Module(int index) const {
  if (index < 0 || index >= ModuleCount()) return nullptr;
  return modules_[index];
}

int DiskHost::IndexOf(const DiskModule& module) const {
  for (size_t i = 0; i < modules_.size(); ++i)
    if (modules_[i].get() == &module) return static_cast<int>(i);
  return -1;
}

std::shared_ptr<DiskModule> DiskHost::FindModule(const std::string& path) const {
  // The first module whose path, or whose file name, is path, letter case aside; looked up
  // by key so opening a large project does not compare every unit with every other.
  const std::string key = platform::UpperAscii(path);
  size_t first = modules_.size();
  for (const auto* index : {&modules_by_path_, &modules_by_name_}) {
    if (auto it = index->find(key); it != index->end()) first = std::min(first, it->second);
  }
  return first < modules_.size() ? modules_[first] : nullptr;
}

void DiskHost::SetCurrentModule(int index) {
  current_ = index >= 0 && index < ModuleCount() ? index : -1;
}

bool DiskHost::OpenUnit(const std::string& pas_path, const std::string& dfm_path,
                        std::vector<std::string>* errors) {
  if (list_only_) {
    // A unit named twice is listed once, as it would open once; units of one file name in
    // two folders are two units.
    if (!listed_paths_.insert(platform::UpperAscii(pas_path)).second) return true;
    listed_.push_back({pas_path, dfm_path});
    read_ahead_.reset();  // it reads from a copy of the list as it was
    return true;
  }
  if (FindModule(pas_path) != nullptr) return true;  // a unit named twice opens once
  return OpenModule(pas_path, dfm_path, errors) != nullptr;
}

std::shared_ptr<DiskModule> DiskHost::OpenModule(const std::string& pas_path,
                                                 const std::string& dfm_path,
                                                 std::vector<std::string>* errors) {
  return OpenModule(DiskModule::Read(*fs_, pas_path, dfm_path, lazarus_), errors);
}

std::shared_ptr<DiskModule> DiskHost::OpenModule(UnitFiles files,
                                                 std::vector<std::string>* errors) {
  std::string err;
  auto module = DiskModule::Open(fs_, std::move(files), classes_, &err, ancestry_.get());
  if (module == nullptr) {
    errors->push_back(err);
    return nullptr;
  }
  const std::string& file = module->GetFileName();
  modules_by_path_.emplace(platform::UpperAscii(file), modules_.size());
  modules_by_name_.emplace(platform::UpperAscii(fs::path(file).filename().string()),
                           modules_.size());
  HookRenames(module);
  modules_.push_back(module);
  return module;
}

UnitFiles DiskHost::ReadListed(int index) {
  if (read_ahead_ == nullptr && fs_->ConcurrentReads() && listed_.size() > 1) {
    // The workers get their own copy of the list and of the file system's handle: they
    // touch nothing the add-in's thread changes.
    read_ahead_ = std::make_unique<ReadAhead>(
        [fs = fs_, listed = listed_, lazarus = lazarus_](size_t i) {
          UnitFiles files = DiskModule::Read(*fs, listed[i].pas, listed[i].form, lazarus);
          if (files.document != nullptr) files.document->DecodeValues();
          return files;
        },
        listed_.size());
  }
  const ListedUnit& unit = listed_[index];
  if (read_ahead_ == nullptr) return DiskModule::Read(*fs_, unit.pas, unit.form, lazarus_);
  return read_ahead_->Take(static_cast<size_t>(index));
}

std::shared_ptr<DiskModule> DiskHost::OpenListed(int index, std::vector<std::string>* errors) {
  if (index < 0 || index >= ListedCount()) return nullptr;
  const ListedUnit& unit = listed_[index];
  if (auto open = FindModule(unit.pas)) return open;
  auto module = OpenModule(ReadListed(index), errors);
  if (module != nullptr && current_ < 0) current_ = ModuleCount() - 1;
  return module;
}

void DiskHost::CloseModule(const DiskModule& module) {
  const int index = IndexOf(module);
  if (index < 0) return;
  modules_.erase(modules_.begin() + index);
  IndexModules();
  if (current_ == index) {
    current_ = -1;
  } else if (current_ > index) {
    --current_;
  }
}

void DiskHost::IndexModules() {
  modules_by_path_.clear();
  modules_by_name_.clear();
  for (size_t i = 0; i < modules_.size(); ++i) {
    const std::string& file = modules_[i]->GetFileName();
    modules_by_path_.emplace(platform::UpperAscii(file), i);
    modules_by_name_.emplace(platform::UpperAscii(fs::path(file).filename().string()), i);
  }
}

void DiskHost::HookRenames(const std::shared_ptr<DiskModule>& module) {
  FormEditor* form = module->Form();
  if (form == nullptr) return;
  std::weak_ptr<DiskHost*> host = self_;
  std::weak_ptr<DiskModule> weak = module;
  form->on_rename_check = [host, weak](const std::string&, const std::string& new_name) {
    auto self = host.lock();
    auto ancestor = weak.lock();
    return self && ancestor ? (*self)->DescendantClash(*ancestor, new_name) : std::string();
  };
  // A component renamed in a form is renamed in every open form and frame built on it, as
  // the designer does: their `inherited` objects would otherwise name nothing.
  form->on_rename = [host, weak, unit = std::move(form->on_rename)](const std::string& old_name,
                                                                    const std::string& new_name) {
    if (unit) unit(old_name, new_name);
    auto self = host.lock();
    if (auto ancestor = weak.lock(); self && ancestor)
      (*self)->FollowInDescendants(*ancestor, old_name, new_name);
  };
}

std::string DiskHost::DescendantClash(DiskModule& ancestor, const std::string& new_name) const {
  const std::string form_class = ancestor.Form()->Root()->ClassName();
  for (const auto& module : modules_) {
    FormEditor* form = module->Form();
    if (form == nullptr || !form->DescendsFrom(form_class)) continue;
    if (form->Root()->FindComponent(new_name) != nullptr ||
        platform::SameTextAscii(form->Root()->Name(), new_name)) {
      return "the descendant form " + form->Root()->Name() + " already has a component named " +
             new_name;
    }
  }
  return {};
}

void DiskHost::FollowInDescendants(DiskModule& ancestor, const std::string& old_name,
                                   const std::string& new_name) {
  const std::string form_class = ancestor.Form()->Root()->ClassName();
  for (const auto& module : modules_) {
    // Forms designed on it and forms placing it as an inline frame.
    FormEditor* form = module->Form();
    if (form != nullptr && module.get() != &ancestor)
      form->FollowAncestorRename(form_class, old_name, new_name);
  }
}

// The form of a unit: the form file of its project's IDE beside it; empty when none.
static std::string FormBeside(FileSystem& files, const std::string& pas, bool lazarus) {
  return ResolvePath(files, fs::path(pas).replace_extension(lazarus ? ".lfm" : ".dfm").string());
}

std::string DiskHost::ChooseProjectFile(FileSystem& files, const std::string& folder,
                                        std::string* note) {
  std::vector<std::string> names;
  std::string err;
  if (!files.ListFolder(folder, &names, &err)) return "";
  const std::vector<std::string> dprs = WithExtension(names, ".DPR");
  const std::vector<std::string> lpis = WithExtension(names, ".LPI");
  const std::vector<std::string> lprs = WithExtension(names, ".LPR");
  std::string lazarus;
  if (lpis.size() == 1) {
    lazarus = lpis.front();
  } else if (lpis.empty() && lprs.size() == 1) {
    lazarus = lprs.front();
  }
  const auto in_folder = [&](const std::string& name) {
    return (fs::path(folder) / name).string();
  };
  if (dprs.size() == 1) {
    if (!lazarus.empty() && note != nullptr) {
      *note = folder + ": holds a Delphi project (" + dprs.front() + ") and a Lazarus project (" +
              lazarus + "); opened " + dprs.front() + " (name the other file to open it)";
    }
    return in_folder(dprs.front());
  }
  return lazarus.empty() ? "" : in_folder(lazarus);
}

bool DiskHost::IsLazarusProject(FileSystem& files, const std::vector<std::string>& paths) {
  for (const std::string& input : paths) {
    std::string path = ResolvePath(files, input);
    std::vector<std::string> names;
    std::string err;
    if (path.empty() && files.ListFolder(input, &names, &err)) {
      path = ChooseProjectFile(files, input, nullptr);
      if (path.empty()) {
        // A folder of units without a project: Lazarus when its forms are all .lfm.
        if (!WithExtension(names, ".LFM").empty() && WithExtension(names, ".DFM").empty()) {
          return true;
        }
        continue;
      }
    }
    const std::string ext = Extension(path);
    if (ext == ".LPI" || ext == ".LPR" || ext == ".LFM") return true;
    if (ext != ".PAS" && ext != ".PP") continue;
    if (!ResolvePath(files, fs::path(path).replace_extension(".dfm").string()).empty()) continue;
    if (!ResolvePath(files, fs::path(path).replace_extension(".lfm").string()).empty()) return true;
    // A unit without a form belongs to the project beside it, else to the compiler its
    // text asks for: only Free Pascal reads {$mode ...}.
    const std::string folder = fs::path(path).parent_path().string();
    const std::string project = ChooseProjectFile(files, folder.empty() ? "." : folder, nullptr);
    if (!project.empty()) {
      if (Extension(project) != ".DPR") return true;
      continue;
    }
    std::string text;
    if (files.ReadFile(path, &text, &err) &&
        platform::UpperAscii(text).find("{$MODE ") != std::string::npos)
      return true;
  }
  return false;
}

bool DiskHost::LoadProject(const std::vector<std::string>& paths,
                           std::vector<std::string>* errors) {
  bool ok = true;
  lazarus_ = IsLazarusProject(*fs_, paths);
  // Classes of the project's own component packages, before any form needs them.
  std::vector<std::string> tables;
  for (const std::string& input : paths) {
    std::vector<std::string> names;
    std::string err;
    const bool folder = fs_->ListFolder(input, &names, &err);
    const std::string dir = folder ? input : fs::path(input).parent_path().string();
    const std::string table =
        ResolvePath(*fs_, (fs::path(dir.empty() ? "." : dir) / "zori.classes.xml").string());
    if (table.empty() || std::find(tables.begin(), tables.end(), table) != tables.end()) continue;
    tables.push_back(table);
    if (!LoadClassTable(table, &err)) {
      errors->push_back(err);
      ok = false;
    }
  }
  for (const std::string& input : paths) {
    std::string err;
    std::vector<std::string> names;
    const std::string path = ResolvePath(*fs_, input);
    if (project_file_.empty()) project_file_ = path.empty() ? input : path;
    if (path.empty()) {
      if (fs_->ListFolder(input, &names, &err)) {
        ok = LoadFolder(input, errors) && ok;
      } else {
        errors->push_back(input + ": no such file or folder");
        ok = false;
      }
      continue;
    }
    const std::string ext = Extension(path);
    if (ext == ".DPR" || ext == ".LPR") {
      ok = LoadDpr(path, errors) && ok;
    } else if (ext == ".LPI") {
      ok = LoadLpi(path, errors) && ok;
    } else if (ext == ".PAS" || ext == ".DFM" || ext == ".LFM") {
      const std::string pas = ResolvePath(*fs_, fs::path(path).replace_extension(".pas").string());
      if (pas.empty()) {
        errors->push_back(path + ": no unit (.pas) beside the form file");
        ok = false;
        continue;
      }
      const std::string form = ext == ".PAS" ? FormBeside(*fs_, pas, lazarus_) : path;
      ancestry_->AddProjectUnit(pas);
      ok = OpenUnit(pas, form, errors) && ok;
    } else {
      errors->push_back(path +
                        ": expected a .dpr, .lpi, .lpr, .pas, .dfm or .lfm file or a folder");
      ok = false;
    }
  }
  current_ = -1;
  for (int i = 0; i < ModuleCount() && current_ < 0; ++i) {
    if (modules_[i]->Form() != nullptr) current_ = i;
  }
  if (current_ < 0 && ModuleCount() > 0) current_ = 0;
  if (!project_file_.empty()) {
    const std::string desktop =
        ResolvePath(*fs_, fs::path(project_file_).replace_extension(".dsk").string());
    std::string err;
    if (!desktop_->Load(*fs_, desktop, &err)) {
      errors->push_back(err);
      ok = false;
    }
    RestoreCursors();
    Notify(ofnProjectDesktopLoad, desktop.empty() ? project_file_ : desktop);
  }
  return ok;
}

bool DiskHost::LoadFolder(const std::string& path, std::vector<std::string>* errors) {
  std::vector<std::string> names;
  std::string err;
  if (!fs_->ListFolder(path, &names, &err)) {
    errors->push_back(err);
    return false;
  }
  std::string note;
  const std::string project = ChooseProjectFile(*fs_, path, &note);
  if (!note.empty()) notes_.push_back(note);
  if (!project.empty()) {
    project_file_ = project;
    return Extension(project) == ".LPI" ? LoadLpi(project, errors) : LoadDpr(project, errors);
  }
  bool ok = true;
  std::vector<std::string> units;
  for (const std::string& name : WithExtension(names, ".PAS"))
    units.push_back((fs::path(path) / name).string());
  for (const std::string& pas : units) ancestry_->AddProjectUnit(pas);
  for (const std::string& pas : units) {
    ok = OpenUnit(pas, FormBeside(*fs_, pas, lazarus_), errors) && ok;
  }
  return ok;
}

bool DiskHost::LoadDpr(const std::string& path, std::vector<std::string>* errors) {
  DprProject project;
  std::string err;
  if (!ReadDpr(*fs_, path, &project, &err)) {
    errors->push_back(err);
    return false;
  }
  const fs::path folder = fs::path(path).parent_path();
  const bool lazarus_project = Extension(path) == ".LPR";
  std::string text;
  fs_->ReadFile(path, &text, &err);
  bool ok = true;
  // A unit named without a file is the library's (Forms, SysUtils) unless it sits in the
  // project's folder.
  auto unit_file = [&](const DprUnit& unit) {
    if (unit.in_path.empty()) return ResolvePath(*fs_, (folder / (unit.name + ".pas")).string());
    return unit.exists ? FindFileIgnoringCase(*fs_, unit.path) : std::string();
  };
  // Every unit is known before any form opens, so an ancestor form is found among them.
  for (const DprUnit& unit : project.units) {
    const std::string pas = unit_file(unit);
    if (!pas.empty()) ancestry_->AddProjectUnit(pas);
  }
  for (const DprUnit& unit : project.units) {
    const std::string pas = unit_file(unit);
    if (unit.in_path.empty() && pas.empty()) continue;
    // Only a unit in error is placed: finding its column reads the file from the top.
    const auto where = [&] {
      return path + ":" + std::to_string(unit.line) + ":" + ColumnOf(text, unit.line, unit.name) +
             ": ";
    };
    if (pas.empty()) {
      errors->push_back(where() + "expected the unit file " + unit.in_path + " of " + unit.name +
                        ", found no such file");
      ok = false;
      continue;
    }
    // A Delphi unit's form is its .dfm; a Lazarus program's units load {$R *.lfm}.
    const std::string dfm = ResolvePath(
        *fs_, fs::path(pas).replace_extension(lazarus_project ? ".lfm" : ".dfm").string());
    if (dfm.empty() && !unit.form_name.empty()) {
      // Later Delphi versions design FireMonkey forms (.fmx), a format of their own.
      const std::string fmx = ResolvePath(*fs_, fs::path(pas).replace_extension(".fmx").string());
      errors->push_back(
          where() + "expected the form file of " + unit.form_name + " beside " + pas +
          (fmx.empty() ? ", found no such file"
                       : ", found a FireMonkey form (" + fmx + "), which zori does not open"));
      ok = false;
    }
    ok = OpenUnit(pas, dfm, errors) && ok;
  }
  return ok;
}

bool DiskHost::LoadLpi(const std::string& path, std::vector<std::string>* errors) {
  LpiProject project;
  std::string err;
  if (!ReadLpi(*fs_, path, &project, &err)) {
    errors->push_back(err);
    return false;
  }
  bool ok = true;
  // Units listed without IsPartOfProject were only open in the IDE's editor.
  const auto in_project = [&](const LpiUnit& unit) {
    const std::string ext = Extension(unit.file_name);
    return unit.part_of_project && &unit != project.MainUnit() && (ext == ".PAS" || ext == ".PP");
  };
  // Every unit is known before any form opens, so an ancestor form is found among them.
  for (const LpiUnit& unit : project.units)
    if (in_project(unit) && unit.exists) ancestry_->AddProjectUnit(unit.path);
  for (const LpiUnit& unit : project.units) {
    if (!in_project(unit)) continue;
    const std::string where = path + ":" + std::to_string(unit.line) + ": ";
    if (!unit.exists) {
      errors->push_back(where + "expected the unit file " + unit.file_name +
                        ", found no such file");
      ok = false;
      continue;
    }
    const std::string lfm =
        ResolvePath(*fs_, fs::path(unit.path).replace_extension(".lfm").string());
    // A unit may name a component without a form file of its own (an abstract frame whose
    // descendants carry the forms); it lacks one only when it loads it with {$R *.lfm}.
    std::string unit_text;
    std::string ignored;
    if (lfm.empty() && !unit.component_name.empty() &&
        fs_->ReadFile(unit.path, &unit_text, &ignored) &&
        platform::UpperAscii(unit_text).find("*.LFM}") != std::string::npos) {
      errors->push_back(where + "expected the form file of " + unit.component_name + " beside " +
                        unit.path + ", found no such file");
      ok = false;
    }
    ok = OpenUnit(unit.path, lfm, errors) && ok;
  }
  return ok;
}

void DiskHost::RestoreCursors() {
  const DskFile* dsk = desktop_->File();
  if (dsk == nullptr) return;
  // [View0] Module=C:\Projeto\uMain.pas, CursorX=, CursorY=: the editor's views of the
  // units, matched by file name since the desktop holds the Windows paths.
  for (int i = 0;; ++i) {
    const std::string section = "View" + std::to_string(i);
    const std::optional<std::string> path = dsk->Value(section, "Module");
    if (!path) break;
    const std::string file = path->substr(path->find_last_of("\\/") + 1);
    for (const auto& module : modules_) {
      if (!platform::SameTextAscii(fs::path(module->GetFileName()).filename().string(), file)) {
        continue;
      }
      module->Source().cursor = {std::max(1, dsk->Integer(section, "CursorX", 1)),
                                 std::max(1, dsk->Integer(section, "CursorY", 1))};
    }
  }
}

void DiskHost::Notify(TOTAFileNotification code, const std::string& file_name) {
  auto notifiers = notifiers_;  // a notifier may remove itself while it is told
  for (auto& [index, notifier] : notifiers) {
    bool cancel = false;
    notifier->FileNotification(code, file_name, cancel);
  }
}

std::shared_ptr<IOTAProject> DiskHost::Project() {
  return std::make_shared<DiskProject>(project_file_);
}

bool DiskHost::Compile(bool code_insight) {
  const auto project = Project();
  auto notifiers = notifiers_;
  for (auto& [index, notifier] : notifiers) {
    bool cancel = false;
    if (auto later = Supports<IOTAIDENotifier50>(notifier)) {
      later->BeforeCompile(project, code_insight, cancel);
    } else {
      notifier->BeforeCompile(project, cancel);
    }
    if (cancel) return false;
  }
  for (auto& [index, notifier] : notifiers) {
    if (auto later = Supports<IOTAIDENotifier50>(notifier)) {
      later->AfterCompile(true, code_insight);
    } else {
      notifier->AfterCompile(true);
    }
  }
  return true;
}

bool DiskHost::SaveAll(std::string* err) {
  bool ok = desktop_->Save(*fs_, err);
  for (const auto& module : modules_) {
    if (!module->Modified()) continue;
    if (!module->Save(false, true) && ok) {
      if (err != nullptr) *err = module->LastError();
      ok = false;
    }
  }
  return ok;
}

}  // namespace ide
