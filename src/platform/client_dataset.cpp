#include "platform/client_dataset.h"

#include <sys/stat.h>

#include <cstdint>
#include <mutex>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/classes.h"
#include "platform/data_packet.h"
#include "platform/exceptions.h"

namespace platform {

namespace {

FileIdentity IdentityOf(const struct stat& st) {
  return FileIdentity{st.st_dev, st.st_ino, st.st_size,
                      static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::optional<FileIdentity> Identify(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return IdentityOf(st);
}

// The add-in reopens its tables before each lookup, and every window opens its own datasets
// on the same few files, so each unchanged file is parsed once per process and its rows
// copied from there. A file is known unchanged by its identity, taken before and after the
// read, so a write in between is never cached.
class ParsedPackets {
 public:
  // before: the file's identity taken just now (nothing when it could not be had).
  std::shared_ptr<const DataPacket> Read(const std::string& path,
                                         const std::optional<FileIdentity>& before) {
    if (before) {
      std::lock_guard guard(mutex_);
      for (const Entry& entry : entries_)
        if (entry.path == path && entry.identity == *before) return entry.packet;
    }
    auto packet = std::make_shared<const DataPacket>(ReadDataPacket(path));
    if (before && Identify(path) == before) {
      std::lock_guard guard(mutex_);
      std::erase_if(entries_, [&](const Entry& entry) { return entry.path == path; });
      if (entries_.size() >= kKept) entries_.erase(entries_.begin());
      entries_.push_back({path, *before, packet});
    }
    return packet;
  }

 private:
  static constexpr size_t kKept = 32;  // more than the add-in has tables
  struct Entry {
    std::string path;
    FileIdentity identity;
    std::shared_ptr<const DataPacket> packet;
  };
  std::mutex mutex_;
  std::vector<Entry> entries_;
};

ParsedPackets& Packets() {
  static ParsedPackets packets;
  return packets;
}

}  // namespace

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
  must_write_ = false;
  params_.clear();
  lock_.Release();
  if (create_empty_) {
    TDataSet::DoOpen();
    write_back_ = must_write_ = !file_name_.empty();
    return;
  }
  if (!load_path_.empty()) {
    OpenFromPacket(load_path_, Identify(load_path_));
    return;
  }
  if (!file_name_.empty()) {
    // Another process changing the same table waits until these rows are written back,
    // so neither change is lost.
    FileLock lock = FileLock::Acquire(file_name_);
    // The lock looked at the file as it took it; no one can replace it while it is held.
    if (lock.FileStatus()) {
      const FileIdentity identity = IdentityOf(*lock.FileStatus());
      bool change_log = false;
      try {
        change_log = OpenFromPacket(file_name_, identity);
      } catch (const Exception&) {
        unreadable_file_ = file_name_;
        throw;
      }
      unreadable_file_.clear();
      // A merged change log must reach the file; rows read as they are need no write.
      must_write_ = change_log;
    } else {
      // No file yet: an empty table from the declared fields, created on close.
      TDataSet::DoOpen();
      must_write_ = true;
    }
    write_back_ = true;
    loaded_changes_ = RowChanges();
    lock_ = std::move(lock);
    return;
  }
  TDataSet::DoOpen();
}

bool TClientDataSet::OpenFromPacket(const std::string& path,
                                    const std::optional<FileIdentity>& identity) {
  const std::shared_ptr<const DataPacket> packet = Packets().Read(path, identity);
  std::vector<TFieldDef> defs = packet->fields;
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
  CreateFields(defs);
  ReserveRecords(packet->rows.size());
  for (const auto& row : packet->rows) AppendLoadedRecord(row);
  params_ = packet->params;
  return packet->change_log;
}

void TClientDataSet::DoBeforeClose() {
  // Rows made up after a failed load (CreateDataSet) must not replace the file the user
  // still has to repair.
  // Rows read and left as they were are not written: a reader never rewrites the file.
  // A failed write keeps the rows, the lock and the flag, so a later Close can retry.
  if (write_back_ && !file_name_.empty() && file_name_ != unreadable_file_ && RowsToWrite()) {
    WriteFileAtomically(file_name_, PacketText());
  }
  write_back_ = false;
  must_write_ = false;
  lock_.Release();
}

void TClientDataSet::SaveToFile(const std::string& path) const {
  CheckActive();
  const bool own_file = write_back_ && path == file_name_;
  // The table's own file already holding these rows is left alone.
  if (own_file && !RowsToWrite()) return;
  WriteFileAtomically(path, PacketText());
  if (own_file) {
    must_write_ = false;
    loaded_changes_ = RowChanges();
  }
}

// Rows untouched since they were read (or last written) are what the file holds; rows
// posted or deleted since are written unless they came back to the file's own text.
bool TClientDataSet::RowsToWrite() const {
  if (must_write_) return true;
  if (RowChanges() == loaded_changes_) return false;
  try {
    return ReadWholeFile(file_name_) != PacketText();
  } catch (const EFileError&) {
    return true;  // a file that cannot be read back cannot hold these rows
  }
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
