#include "ide/disk_module.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "ide/dfm_document.h"
#include "ide/file_system.h"
#include "ide/form_ancestry.h"
#include "ide/form_editor.h"
#include "ide/pas_form_class.h"
#include "ide/source_editor.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace ide {

DiskModule::DiskModule(std::shared_ptr<FileSystem> fs, std::string pas_path)
    : fs_(std::move(fs)), pas_path_(std::move(pas_path)) {}

UnitFiles::UnitFiles() = default;
UnitFiles::UnitFiles(UnitFiles&&) noexcept = default;
UnitFiles& UnitFiles::operator=(UnitFiles&&) noexcept = default;
UnitFiles::~UnitFiles() = default;

UnitFiles DiskModule::Read(FileSystem& fs, const std::string& pas_path, const std::string& dfm_path,
                           bool lazarus_unit) {
  UnitFiles files;
  files.pas_path = pas_path;
  files.dfm_path = dfm_path;
  std::string bytes;
  if (!fs.ReadFile(pas_path, &bytes, &files.err)) return files;
  // Units are Windows-1252 or UTF-8 text: a NUL byte means UTF-16 or no text at all, and
  // reading it as Windows-1252 would write it back mangled.
  if (const size_t nul = bytes.find('\0'); nul != std::string::npos) {
    const bool utf16 = bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                             (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
    files.err = pas_path + ": expected Windows-1252 or UTF-8 text, found " +
                (utf16 ? std::string("UTF-16") : "a NUL byte at offset " + std::to_string(nul));
    return files;
  }
  files.pas_hash = std::hash<std::string>{}(bytes);
  files.encoding = DetectEncoding(bytes);
  // Lazarus keeps its sources in UTF-8: a plain ASCII unit of a Lazarus project takes
  // accented text as UTF-8, where the Delphi IDE would assume Windows-1252.
  if (lazarus_unit && files.encoding == TextEncoding::Windows1252 &&
      std::all_of(bytes.begin(), bytes.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    files.encoding = TextEncoding::Utf8;
  }
  const std::string text = DecodeText(bytes, files.encoding);
  files.source = std::make_shared<SourceEditor>(std::weak_ptr<IOTAModule>(), pas_path, text);
  if (dfm_path.empty()) return files;

  files.document = DfmDocument::Load(fs, dfm_path, &files.err);
  if (files.document == nullptr) return files;
  std::string unreadable;  // a unit the class reader cannot follow leaves the root a TForm
  if (!FindFormClasses(pas_path, text, &files.classes, &unreadable)) files.classes.clear();
  return files;
}

std::shared_ptr<DiskModule> DiskModule::Open(
    std::shared_ptr<FileSystem> fs, UnitFiles files,
    const std::shared_ptr<platform::ClassRegistry>& registry, std::string* err,
    FormAncestry* ancestry) {
  if (!files.err.empty()) {
    *err = files.err;
    return nullptr;
  }
  const std::string& pas_path = files.pas_path;
  std::shared_ptr<DiskModule> module(new DiskModule(std::move(fs), pas_path));
  module->pas_loaded_ = files.pas_hash;
  module->encoding_ = files.encoding;
  module->source_ = std::move(files.source);
  module->source_->SetModule(module);
  if (files.dfm_path.empty()) return module;

  std::unique_ptr<DfmDocument> document = std::move(files.document);
  module->dfm_loaded_ = std::hash<std::string_view>{}(document->loaded_bytes());
  // The form class's ancestor in the unit says what kind of root it is (form, data module).
  std::string ancestor;
  for (const PasFormClass& cls : files.classes) {
    if (platform::SameTextAscii(cls.name, document->root().class_name())) ancestor = cls.ancestor;
  }
  FormInheritance inheritance;
  if (ancestry != nullptr) {
    const std::string folder = std::filesystem::path(pas_path).parent_path().string();
    // Ancestor forms are files of the same IDE as the descendant (.dfm or .lfm).
    const std::string form_ext = std::filesystem::path(files.dfm_path).extension().string();
    // A form written as `inherited` is designed on the form of its class's ancestor.
    if (document->root().kind() == DfmObjectKind::Inherited && !ancestor.empty()) {
      inheritance.ancestors = ancestry->Lineage(ancestor, folder, form_ext);
    }
    inheritance.frames = [ancestry, folder, form_ext](const std::string& class_name) {
      return ancestry->Lineage(class_name, folder, form_ext);
    };
  }
  module->form_ =
      FormEditor::Create(module, std::move(document), registry, ancestor, err, inheritance);
  if (module->form_ == nullptr) return nullptr;
  // Renaming a component renames its field in the unit's form class, as the designer does.
  std::weak_ptr<DiskModule> weak = module;
  module->form_->on_rename = [weak](const std::string& old_name, const std::string& new_name) {
    if (auto self = weak.lock()) self->RenameField(old_name, new_name);
  };
  return module;
}

void DiskModule::RenameField(const std::string& old_name, const std::string& new_name) {
  const std::string before = source_->Text();
  std::string after = before;
  std::string err;
  // A component without a field in the class (the unit was edited by hand) keeps the unit
  // as it is, as the designer does.
  if (!RenameFormField(pas_path_, &after, form_->Root()->ClassName(), old_name, new_name, &err)) {
    return;
  }
  // One undoable edit over the bytes that differ.
  size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
    ++prefix;
  }
  size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  const size_t pos = ToChars(before.substr(0, prefix)).size();
  source_->BeginUndoStep();
  source_->Replace(pos, ToChars(before.substr(prefix, before.size() - prefix - suffix)).size(),
                   ToChars(after.substr(prefix, after.size() - prefix - suffix)));
  source_->EndUndoStep();
}

bool DiskModule::Unchanged(const std::string& path, size_t loaded) const {
  std::string bytes;
  std::string err;
  if (!fs_->ReadFile(path, &bytes, &err) || std::hash<std::string>{}(bytes) != loaded) {
    last_error_ = path + ": changed on disk since it was read; not saved over";
    changed_on_disk_ = true;
    return false;
  }
  return true;
}

std::shared_ptr<IOTAEditor> DiskModule::GetModuleFileEditor(int index) {
  if (index == 0) return source_;
  if (index == 1) return form_;
  return nullptr;
}

bool DiskModule::Modified() const {
  return source_->GetModified() || (form_ != nullptr && form_->GetModified());
}

bool DiskModule::Save(bool change_name, bool force_save) {
  (void)force_save;  // no prompt to skip: a host without dialogs always saves silently
  last_error_.clear();
  changed_on_disk_ = false;
  if (change_name) {
    last_error_ = pas_path_ + ": saving under a new name needs a file dialog";
    return false;
  }
  // Changes made on the live components reach the form file (and a rename the unit).
  if (form_ != nullptr && form_->GetModified()) form_->SyncFromComponents();
  // Encode first so a unit that cannot be stored in its encoding stops the save whole.
  std::string pas_bytes;
  if (source_->GetModified() &&
      !EncodeText(source_->FileText(), encoding_, &pas_bytes, &last_error_)) {
    last_error_ = pas_path_ + ": " + last_error_;
    return false;
  }
  const bool form_modified = form_ != nullptr && form_->GetModified();
  const bool source_modified = source_->GetModified();
  std::vector<std::pair<std::string, std::string>> files;
  if (form_modified) {
    if (!Unchanged(form_->GetFileName(), dfm_loaded_)) return false;
    files.emplace_back(form_->GetFileName(), form_->Document().Write());
  }
  if (source_modified) {
    if (!Unchanged(pas_path_, pas_loaded_)) return false;
    files.emplace_back(pas_path_, std::move(pas_bytes));
  }
  if (files.empty()) return true;
  // Form and unit land together or not at all, so they never fall out of step on disk.
  if (!fs_->WriteFiles(files, &last_error_)) return false;
  if (form_modified) {
    dfm_loaded_ = std::hash<std::string>{}(files.front().second);
    form_->ClearModified();
  }
  if (source_modified) {
    pas_loaded_ = std::hash<std::string>{}(files.back().second);
    source_->ClearModified();
  }
  return true;
}

}  // namespace ide
