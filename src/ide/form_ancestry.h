// FormAncestry: the form files a form is designed on top of. A form written as
// `inherited` descends from the form of its class's ancestor, and an `inline` frame from
// the frame's own form; each is found through the unit that declares its class: among the
// project's units, then in the folder of the unit asking, then in the search folders.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ide {

class DfmDocument;
class FileSystem;

// The forms a class is built from, in loading order: the first written whole (`object`),
// each next one a descendant of the one before, the class's own form last.
struct FormLineage {
  std::vector<std::shared_ptr<const DfmDocument>> forms;
  // The class the first form's class descends from, as its unit declares it (TForm,
  // TFrame, TDataModule); empty when no form was found.
  std::string base_class;
  // The class whose form could not be found or read; empty when the line is whole.
  std::string missing;
};

class FormAncestry {
 public:
  explicit FormAncestry(std::shared_ptr<FileSystem> fs);
  ~FormAncestry();
  FormAncestry(const FormAncestry&) = delete;
  FormAncestry& operator=(const FormAncestry&) = delete;

  // A unit of the project (.pas path), searched before any folder.
  void AddProjectUnit(const std::string& pas_path);
  // A folder searched after the project's units and the asking unit's folder.
  void AddSearchFolder(const std::string& folder);

  // The unit declaring class_name (letter case ignored), or empty when none does.
  std::string FindUnit(const std::string& class_name, const std::string& near_folder);
  // The ancestor class_name is declared with in unit pas_path; empty when not declared.
  std::string DeclaredAncestor(const std::string& pas_path, const std::string& class_name);
  // The forms of class_name, its ancestors' first; missing names the first class whose
  // form was not found (then forms holds what was found above it, if anything). A form is
  // the file with form_ext (".dfm", ".lfm") beside its unit.
  FormLineage Lineage(const std::string& class_name, const std::string& near_folder,
                      const std::string& form_ext = ".dfm");

 private:
  struct Unit;
  const Unit& ReadUnit(const std::string& pas_path);
  std::shared_ptr<const DfmDocument> ReadForm(const std::string& dfm_path);
  const std::vector<std::string>& FolderUnits(const std::string& folder);

  std::shared_ptr<FileSystem> fs_;
  std::vector<std::string> project_units_;
  std::vector<std::string> search_folders_;
  std::map<std::string, std::unique_ptr<Unit>> units_;  // by path, read once
  std::map<std::string, std::vector<std::string>> folders_;
  std::map<std::string, std::shared_ptr<const DfmDocument>> forms_;  // nullptr: unreadable
};

}  // namespace ide
