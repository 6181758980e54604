// DiskModule: one unit of the project as the IDE holds it open: the .pas source buffer
// (file editor 0) and, when a .dfm sits beside it, the form designer (file editor 1).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ide/ToolsAPI.h"
#include "ide/pas_form_class.h"
#include "ide/text_encoding.h"

namespace platform {
class ClassRegistry;
}

namespace ide {

class DfmDocument;
class FileSystem;
class FormAncestry;
class FormEditor;
class SourceEditor;

// A unit and its form as read and parsed from disk, before anything of the designer is
// built: the part of opening a module that touches nothing shared, so it can be done ahead
// on another thread while the add-in works on the module before.
struct UnitFiles {
  UnitFiles();
  UnitFiles(UnitFiles&& other) noexcept;
  UnitFiles& operator=(UnitFiles&& other) noexcept;
  ~UnitFiles();

  std::string pas_path;
  std::string dfm_path;
  std::string err;  // why the files could not be read; the rest is then empty
  size_t pas_hash = 0;
  TextEncoding encoding = TextEncoding::Windows1252;
  std::shared_ptr<SourceEditor> source;  // the unit's buffer, its module still to be set
  std::unique_ptr<DfmDocument> document;
  std::vector<PasFormClass> classes;  // empty too when the class reader could not follow
};

class DiskModule : public IOTAModule, public std::enable_shared_from_this<DiskModule> {
 public:
  // Reads the unit at pas_path and the form at dfm_path (none when empty). A Lazarus unit
  // in plain ASCII is taken as UTF-8.
  static UnitFiles Read(FileSystem& fs, const std::string& pas_path, const std::string& dfm_path,
                        bool lazarus_unit);
  // Opens the unit and, when it has one, the form read into files, the form built on the
  // forms it inherits from as ancestry finds them (none when ancestry is nullptr).
  // nullptr with *err when a file could not be read (files.err) or the form is malformed;
  // nothing is written, the ancestors' files least of all.
  static std::shared_ptr<DiskModule> Open(std::shared_ptr<FileSystem> fs, UnitFiles files,
                                          const std::shared_ptr<platform::ClassRegistry>& registry,
                                          std::string* err, FormAncestry* ancestry = nullptr);

  SourceEditor& Source() { return *source_; }
  // The form designer, or nullptr for a plain unit.
  FormEditor* Form() { return form_.get(); }
  TextEncoding SourceEncoding() const { return encoding_; }
  // True when a file editor holds unsaved changes.
  bool Modified() const;
  // Why the last Save failed ("path: reason"); empty after a successful one. A file that
  // changed on disk since it was read is not saved over: someone else's edit is kept.
  const std::string& LastError() const { return last_error_; }
  // Whether the last Save failed because a file changed on disk since it was read.
  bool ChangedOnDisk() const { return changed_on_disk_; }

  // IOTAModule
  std::string GetFileName() override { return pas_path_; }
  int GetModuleFileCount() override { return form_ != nullptr ? 2 : 1; }
  std::shared_ptr<IOTAEditor> GetModuleFileEditor(int index) override;
  bool Save(bool change_name, bool force_save) override;

 private:
  DiskModule(std::shared_ptr<FileSystem> fs, std::string pas_path);
  // Renames the component's field in the form class of the unit's source buffer.
  void RenameField(const std::string& old_name, const std::string& new_name);

  std::shared_ptr<FileSystem> fs_;
  // False with last_error_ when the file at path no longer holds the bytes read from it.
  bool Unchanged(const std::string& path, size_t loaded) const;

  std::string pas_path_;
  size_t pas_loaded_ = 0;  // hash of the unit's bytes as read (or last written)
  size_t dfm_loaded_ = 0;  // the same for the form
  TextEncoding encoding_ = TextEncoding::Windows1252;
  std::shared_ptr<SourceEditor> source_;
  std::shared_ptr<FormEditor> form_;
  mutable std::string last_error_;
  mutable bool changed_on_disk_ = false;
};

}  // namespace ide
