#include "platform/client_dataset.h"

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/classes.h"
#include "platform/data_packet.h"
#include "platform/exceptions.h"

namespace platform {

TClientDataSet::TClientDataSet(const TClassInfo* cls)
    : TDataSet(cls != nullptr ? cls : BuiltinClasses().Find("TClientDataSet")) {}

TClientDataSet::~TClientDataSet() {
  // Destroying an open dataset closes it, which writes its file as the platform does;
  // a destructor cannot report a failed write, so that one is dropped here.
  // As on the platform, a dataset being destroyed runs no handlers of its own and its data
  // sources hear only that it is gone: the window that owns them is going away too.
  BeforeClose = AfterClose = OnCalcFields = nullptr;
  DisableControls();
  try {
    Close();
  } catch (const Exception&) {
    // The old file is intact (atomic write); nothing else can be done without an owner.
  }
}

void TClientDataSet::CreateDataSet() {
  Close();
  create_empty_ = true;
  try {
    Open();
  } catch (...) {
    create_empty_ = false;
    throw;
  }
  create_empty_ = false;
}

void TClientDataSet::LoadFromFile(const std::string& path) {
  Close();
  load_path_ = path;
  try {
    Open();
  } catch (...) {
    load_path_.clear();
    throw;
  }
  load_path_.clear();
}

void TClientDataSet::DoOpen() {
  write_back_ = false;
  params_.clear();
  loaded_text_.clear();
  lock_.Release();
  if (create_empty_) {
    TDataSet::DoOpen();
    write_back_ = !file_name_.empty();
    return;
  }
  if (!load_path_.empty()) {
    OpenFromPacket(load_path_);
    return;
  }
  if (!file_name_.empty()) {
    // Another process changing the same table waits until these rows are written back,
    // so neither change is lost.
    FileLock lock = FileLock::Acquire(file_name_);
    std::error_code ec;
    if (std::filesystem::exists(file_name_, ec)) {
      bool change_log = false;
      try {
        change_log = OpenFromPacket(file_name_);
      } catch (const Exception&) {
        unreadable_file_ = file_name_;
        throw;
      }
      unreadable_file_.clear();
      // A merged change log must reach the file; rows read as they are need no write.
      if (!change_log) loaded_text_ = PacketText();
    } else {
      // No file yet: an empty table from the declared fields, created on close.
      TDataSet::DoOpen();
    }
    write_back_ = true;
    lock_ = std::move(lock);
    return;
  }
  TDataSet::DoOpen();
}

bool TClientDataSet::OpenFromPacket(const std::string& path) {
  DataPacket packet = ReadDataPacket(path);
  std::vector<TFieldDef> defs = std::move(packet.fields);
  // Fields declared beforehand keep their labels, masks and required flags; calculated
  // ones are added after the packet's fields.
  for (const TFieldDef& declared : FieldDefs().List()) {
    if (declared.FieldKind == fkCalculated) continue;
    bool found = false;
    for (TFieldDef& def : defs) {
      if (SameTextAscii(def.Name, declared.Name)) {
        found = true;
        if (!declared.DisplayLabel.empty()) def.DisplayLabel = declared.DisplayLabel;
        if (!declared.EditMask.empty()) def.EditMask = declared.EditMask;
        def.Required = def.Required || declared.Required;
      }
    }
    if (!found) throw EDatabaseError(path + ": Field '" + declared.Name + "' not found");
  }
  for (const TFieldDef& declared : FieldDefs().List()) {
    if (declared.FieldKind == fkCalculated) defs.push_back(declared);
  }
  const size_t field_count = defs.size();
  CreateFields(defs);
  ReserveRecords(packet.rows.size());
  for (auto& row : packet.rows) {
    row.resize(field_count);
    AppendLoadedRecord(std::move(row));
  }
  params_ = std::move(packet.params);
  return packet.change_log;
}

void TClientDataSet::DoBeforeClose() {
  // Rows made up after a failed load (CreateDataSet) must not replace the file the user
  // still has to repair.
  // Rows read and left as they were are not written: a reader never rewrites the file.
  // A failed write keeps the rows, the lock and the flag, so a later Close can retry.
  if (write_back_ && !file_name_.empty() && file_name_ != unreadable_file_) {
    std::string text = PacketText();
    if (loaded_text_.empty() || text != loaded_text_) WriteFileAtomically(file_name_, text);
  }
  write_back_ = false;
  loaded_text_.clear();
  lock_.Release();
}

void TClientDataSet::SaveToFile(const std::string& path) const {
  CheckActive();
  std::string text = PacketText();
  const bool own_file = write_back_ && path == file_name_;
  // The table's own file already holding these rows is left alone.
  if (own_file && !loaded_text_.empty() && text == loaded_text_) return;
  WriteFileAtomically(path, text);
  if (own_file) loaded_text_ = std::move(text);
}

std::string TClientDataSet::PacketText() const {
  std::vector<const TFieldDef*> defs;
  std::vector<int> index;
  for (int i = 0; i < FieldCount(); ++i) {
    const TField* f = Fields(i);
    if (f->Calculated()) continue;  // computed on read, never stored
    defs.push_back(&f->Def());
    index.push_back(f->Index());
  }
  std::vector<const std::vector<Variant>*> rows;
  rows.reserve(Records().size());
  for (const auto& rec : Records()) rows.push_back(&rec->values);
  return FormatDataPacket(defs, index, params_, rows);
}

Variant TClientDataSet::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "FileName")) return file_name_;
  return TDataSet::GetPropValue(name);
}

void TClientDataSet::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "FileName")) {
    SetFileName(value.AsString());
    return;
  }
  TDataSet::SetPropValue(name, value, strict);
}

}  // namespace platform
