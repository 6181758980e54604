// TClientDataSet: the in-memory dataset backed by an XML data-packet file.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/data_packet.h"
#include "platform/dataset.h"
#include "platform/file_lock.h"

namespace platform {

// What tells a table file apart from the one it was: a new file renamed over it, or bytes
// written into it, changes one of these.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified = 0;
  bool operator==(const FileIdentity&) const = default;
};

class TClientDataSet : public TDataSet {
 public:
  explicit TClientDataSet(const TClassInfo* cls = nullptr);
  ~TClientDataSet() override;

  // With a file name, Open locks and loads the file and Close writes the rows back to it
  // when they changed, then unlocks it; a file that failed to load is never written by a
  // later Close.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string file_name) { file_name_ = std::move(file_name); }

  // Opens an empty dataset with the fields of FieldDefs.
  void CreateDataSet();
  // Closes the dataset and opens it on the rows of path (FileName is left alone).
  void LoadFromFile(const std::string& path);
  // Writes every row (filtered out or not) and the data fields, atomically; raises
  // EFileError when the file cannot be written, leaving any old file as it was.
  void SaveToFile(const std::string& path) const;

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DoOpen() override;
  void DoBeforeClose() override;

 private:
  // Returns true when the file carried a change log, now merged into the rows.
  bool OpenFromPacket(const std::string& path, const std::optional<FileIdentity>& identity);
  std::string PacketText() const;
  bool RowsToWrite() const;

  std::string file_name_;
  std::string load_path_;                // set for the duration of LoadFromFile
  bool create_empty_ = false;            // set for the duration of CreateDataSet
  bool write_back_ = false;              // the open rows belong to file_name_
  mutable bool must_write_ = false;      // the file lacks these rows (new file, merged change log)
  mutable uint64_t loaded_changes_ = 0;  // RowChanges when the rows last matched the file
  std::string unreadable_file_;          // a file that failed to load: never written over
  std::vector<std::pair<std::string, std::string>> params_;
  FileLock lock_;  // held on file_name_ while the rows are open for changes
};

}  // namespace platform
