#include "ide/form_ancestry.h"

#include <filesystem>
#include <set>

#include "ide/dfm_document.h"
#include "ide/dpr_parser.h"
#include "ide/file_system.h"
#include "ide/pas_form_class.h"
#include "ide/pascal_lexer.h"
#include "ide/text_encoding.h"

namespace ide {

namespace fs = std::filesystem;

namespace {

// Deeper than any real line of forms; it stops a unit that names itself as its ancestor.
constexpr int kMaxGenerations = 32;

bool IsUnitFile(const std::string& name) {
  const std::string ext = fs::path(name).extension().string();
  // Free Pascal units may also end in .pp.
  return (ext.size() == 4 && SameIdentifier(ext.substr(1), "pas")) ||
         (ext.size() == 3 && SameIdentifier(ext.substr(1), "pp"));
}

std::string FolderOf(const std::string& path) {
  const std::string folder = fs::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

}  // namespace

// The classes a unit declares, read once.
struct FormAncestry::Unit {
  std::vector<PasFormClass> classes;

  const PasFormClass* Find(const std::string& name) const {
    for (const PasFormClass& cls : classes)
      if (SameIdentifier(cls.name, name)) return &cls;
    return nullptr;
  }
};

FormAncestry::FormAncestry(std::shared_ptr<FileSystem> fs) : fs_(std::move(fs)) {}
FormAncestry::~FormAncestry() = default;

void FormAncestry::AddProjectUnit(const std::string& pas_path) {
  project_units_.push_back(pas_path);
}

void FormAncestry::AddSearchFolder(const std::string& folder) {
  search_folders_.push_back(folder);
}

const FormAncestry::Unit& FormAncestry::ReadUnit(const std::string& pas_path) {
  auto found = units_.find(pas_path);
  if (found != units_.end()) return *found->second;
  auto unit = std::make_unique<Unit>();
  std::string bytes;
  std::string err;
  // A unit that cannot be read or followed declares nothing here; opening it as a module
  // reports why.
  if (fs_->ReadFile(pas_path, &bytes, &err)) {
    const std::string text = DecodeText(bytes, DetectEncoding(bytes));
    if (!FindFormClasses(pas_path, text, &unit->classes, &err)) unit->classes.clear();
  }
  return *units_.emplace(pas_path, std::move(unit)).first->second;
}

const std::vector<std::string>& FormAncestry::FolderUnits(const std::string& folder) {
  auto found = folders_.find(folder);
  if (found != folders_.end()) return found->second;
  std::vector<std::string> names;
  std::vector<std::string> units;
  std::string err;
  if (fs_->ListFolder(folder, &names, &err)) {
    for (const std::string& name : names)
      if (IsUnitFile(name)) units.push_back((fs::path(folder) / name).string());
  }
  return folders_.emplace(folder, std::move(units)).first->second;
}

std::string FormAncestry::FindUnit(const std::string& class_name, const std::string& near_folder) {
  for (const std::string& pas : project_units_)
    if (ReadUnit(pas).Find(class_name)) return pas;
  std::vector<std::string> folders{near_folder.empty() ? "." : near_folder};
  folders.insert(folders.end(), search_folders_.begin(), search_folders_.end());
  for (const std::string& folder : folders)
    for (const std::string& pas : FolderUnits(folder))
      if (ReadUnit(pas).Find(class_name)) return pas;
  return {};
}

std::string FormAncestry::DeclaredAncestor(const std::string& pas_path,
                                           const std::string& class_name) {
  const PasFormClass* cls = ReadUnit(pas_path).Find(class_name);
  return cls ? cls->ancestor : std::string();
}

std::shared_ptr<const DfmDocument> FormAncestry::ReadForm(const std::string& dfm_path) {
  auto found = forms_.find(dfm_path);
  if (found != forms_.end()) return found->second;
  std::string err;
  std::shared_ptr<const DfmDocument> form = DfmDocument::Load(*fs_, dfm_path, &err);
  forms_.emplace(dfm_path, form);
  return form;
}

FormLineage FormAncestry::Lineage(const std::string& class_name, const std::string& near_folder,
                                  const std::string& form_ext) {
  FormLineage lineage;
  std::string current = class_name;
  std::string folder = near_folder;
  std::set<std::string> seen;
  for (int generation = 0; generation < kMaxGenerations; ++generation) {
    const std::string pas = FindUnit(current, folder);
    const std::string dfm =
        pas.empty()
            ? std::string()
            : FindFileIgnoringCase(*fs_, fs::path(pas).replace_extension(form_ext).string());
    std::shared_ptr<const DfmDocument> form = dfm.empty() ? nullptr : ReadForm(dfm);
    if (!form || !seen.insert(dfm).second) {
      lineage.missing = current;
      return lineage;
    }
    lineage.forms.insert(lineage.forms.begin(), form);
    const std::string ancestor = DeclaredAncestor(pas, current);
    if (form->root().kind() != DfmObjectKind::Inherited) {
      lineage.base_class = ancestor;
      return lineage;
    }
    if (ancestor.empty()) {
      lineage.missing = current;
      return lineage;
    }
    current = ancestor;
    folder = FolderOf(pas);
  }
  lineage.missing = current;
  return lineage;
}

}  // namespace ide
