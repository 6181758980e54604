#include "ide/disk_module.h"

#include <cctype>

#include "ide/dfm_document.h"
#include "ide/file_system.h"
#include "ide/form_editor.h"
#include "ide/source_editor.h"
#include "platform/classes.h"

namespace ide {

namespace {

bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The unit's text with comments and strings blanked, so a search sees only code.
std::string CodeOnly(const std::string& text) {
  std::string code = text;
  size_t i = 0;
  auto blank_to = [&](size_t end) {
    for (; i < end && i < code.size(); ++i) {
      if (code[i] != '\n') code[i] = ' ';
    }
  };
  while (i < code.size()) {
    if (code.compare(i, 2, "//") == 0) {
      blank_to(code.find('\n', i));
    } else if (code[i] == '{') {
      const size_t end = code.find('}', i);
      blank_to(end == std::string::npos ? code.size() : end + 1);
    } else if (code.compare(i, 2, "(*") == 0) {
      const size_t end = code.find("*)", i + 2);
      blank_to(end == std::string::npos ? code.size() : end + 2);
    } else if (code[i] == '\'') {
      const size_t end = code.find('\'', i + 1);
      blank_to(end == std::string::npos ? code.size() : end + 1);
    } else {
      ++i;
    }
  }
  return code;
}

size_t SkipBlanks(const std::string& s, size_t i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0) ++i;
  return i;
}

}  // namespace

std::string FormClassAncestor(const std::string& unit_text, const std::string& class_name) {
  const std::string code = CodeOnly(unit_text);
  const std::string upper = platform::UpperAscii(code);
  const std::string wanted = platform::UpperAscii(class_name);
  for (size_t at = upper.find(wanted); at != std::string::npos; at = upper.find(wanted, at + 1)) {
    if (at > 0 && IsIdentChar(upper[at - 1])) continue;
    size_t i = at + wanted.size();
    if (i < upper.size() && IsIdentChar(upper[i])) continue;
    i = SkipBlanks(upper, i);
    if (i >= upper.size() || upper[i] != '=') continue;
    i = SkipBlanks(upper, i + 1);
    if (upper.compare(i, 5, "CLASS") != 0) continue;
    i = SkipBlanks(upper, i + 5);
    if (i >= upper.size() || upper[i] != '(') continue;
    i = SkipBlanks(upper, i + 1);
    const size_t begin = i;
    while (i < upper.size() && IsIdentChar(upper[i])) ++i;
    return code.substr(begin, i - begin);
  }
  return {};
}

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
