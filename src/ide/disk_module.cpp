#include "ide/disk_module.h"

#include "ide/dfm_document.h"
#include "ide/file_system.h"
#include "ide/form_editor.h"
#include "ide/pascal_scan.h"
#include "ide/source_editor.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace ide {

DiskModule::DiskModule(std::shared_ptr<FileSystem> fs, std::string pas_path)
    : fs_(std::move(fs)), pas_path_(std::move(pas_path)) {}

std::shared_ptr<DiskModule> DiskModule::Open(std::shared_ptr<FileSystem> fs,
                                             const std::string& pas_path,
                                             const std::string& dfm_path,
                                             platform::ClassRegistry& registry, std::string* err) {
  std::string bytes;
  if (!fs->ReadFile(pas_path, &bytes, err)) return nullptr;
  std::shared_ptr<DiskModule> module(new DiskModule(fs, pas_path));
  module->encoding_ = DetectEncoding(bytes);
  const std::string text = DecodeText(bytes, module->encoding_);
  module->source_ = std::make_shared<SourceEditor>(module, pas_path, text);
  if (dfm_path.empty()) return module;

  std::unique_ptr<DfmDocument> document = DfmDocument::Load(*fs, dfm_path, err);
  if (document == nullptr) return nullptr;
  const std::string ancestor = FormClassAncestor(text, document->root().class_name());
  module->form_ = FormEditor::Create(module, std::move(document), registry, ancestor, err);
  if (module->form_ == nullptr) return nullptr;
  // Renaming a component renames its field in the unit's form class, as the designer does.
  std::weak_ptr<DiskModule> weak = module;
  module->form_->on_rename = [weak](const std::string& old_name, const std::string& new_name) {
    if (auto self = weak.lock()) self->RenameField(old_name, new_name);
  };
  return module;
}

void DiskModule::RenameField(const std::string& old_name, const std::string& new_name) {
  const std::string text = source_->Text();
  const size_t at = FindFormField(text, form_->Root()->ClassName(), old_name);
  if (at == std::string::npos) return;  // a component without a field (the IDE adds none)
  const size_t pos = ToChars(text.substr(0, at)).size();
  source_->BeginUndoStep();
  source_->Replace(pos, ToChars(old_name).size(), ToChars(new_name));
  source_->EndUndoStep();
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
  if (change_name) {
    last_error_ = pas_path_ + ": saving under a new name needs a file dialog";
    return false;
  }
  // Encode first so a unit that cannot be stored in its encoding stops the save whole.
  std::string pas_bytes;
  if (source_->GetModified() && !EncodeText(source_->Text(), encoding_, &pas_bytes, &last_error_)) {
    last_error_ = pas_path_ + ": " + last_error_;
    return false;
  }
  if (form_ != nullptr && form_->GetModified()) {
    if (!form_->Document().Save(*fs_, form_->GetFileName(), &last_error_)) return false;
    form_->ClearModified();
  }
  if (source_->GetModified()) {
    if (!fs_->WriteFile(pas_path_, pas_bytes, &last_error_)) return false;
    source_->ClearModified();
  }
  return true;
}

}  // namespace ide
