// TDataSet: records in memory with fields, a cursor, editing states, events, bookmarks and
// filters. TClientDataSet adds its data-packet files on top.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/component.h"
#include "platform/field.h"
#include "platform/variant.h"

namespace platform {

class FilterExpression;
class TDataSet;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields };

// What changed, as data sources hear it.
enum TDataEvent {
  deFieldChange,    // a field of the active record was written
  deRecordChange,   // the active record was replaced (post, cancel)
  deDataSetChange,  // rows came, went or were refiltered; the cursor may have moved
  deDataSetScroll,  // the cursor moved
  deUpdateState,    // the state changed (open, close, edit, insert, browse)
};

// Receives a dataset's notifications (data sources). Registration is symmetric:
// whoever adds itself removes itself; a dataset that dies first calls DataSetDestroyed.
class TDataSetObserver {
 public:
  virtual ~TDataSetObserver() = default;
  virtual void DataEvent(TDataEvent event, TField* field) = 0;
  virtual void DataSetDestroyed() = 0;
};

using TDataSetNotifyEvent = std::function<void(TDataSet* dataset)>;
// Identifies a record for GotoBookmark; 0 is no record.
using TBookmark = uint64_t;

enum TFilterOption { foCaseInsensitive = 1, foNoPartialCompare = 2 };
enum TLocateOption { loCaseInsensitive = 1, loPartialKey = 2 };

class TDataSet : public TComponent {
 public:
  explicit TDataSet(const TClassInfo* cls);
  ~TDataSet() override;

  TFieldDefs& FieldDefs() { return field_defs_; }
  const TFieldDefs& FieldDefs() const { return field_defs_; }

  // Fields appear with the first open and stay (reading null) while the dataset is closed;
  // a reopen keeps the objects of fields whose name and type did not change.
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField* Fields(int index) const { return fields_.at(index).get(); }
  // The field of that name (letter case ignored), or nullptr.
  TField* FindField(std::string_view name) const;
  // Like FindField, but raises EDatabaseError "<name>: Field 'X' not found" on a miss.
  TField* FieldByName(std::string_view name) const;

  // --- Opening and closing ------------------------------------------------------------
  void Open();
  // Closes the dataset; a pending edit or insert is discarded, as the platform does.
  void Close();
  bool Active() const { return state_ != dsInactive; }
  void SetActive(bool active) { active ? Open() : Close(); }
  TDataSetState State() const { return state_; }

  // --- Cursor ----------------------------------------------------------------------------
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  // Moves up to distance rows (negative: backwards) and returns how many it moved.
  int MoveBy(int distance);
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  // 1-based position among the visible rows; 0 when empty, -1 while inserting.
  int RecNo() const;
  void SetRecNo(int rec_no);
  // Rows that pass the filter.
  int RecordCount() const;
  bool IsEmpty() const;

  // --- Editing -------------------------------------------------------------------------
  void Append();
  // Starts a new row that Post places before the current row.
  void Insert();
  // Edits the current row; on an empty dataset starts an insert, as the platform does.
  void Edit();
  // Stores the pending row. Refuses a null required field with "Field 'X' must have a value".
  void Post();
  void Cancel();
  void Delete();
  // Removes every row.
  void EmptyDataSet();
  bool Modified() const { return modified_; }

  // --- Bookmarks ---------------------------------------------------------------------------
  TBookmark GetBookmark() const;
  // Raises EDatabaseError "<name>: Record not found" for a row that is gone or filtered out.
  void GotoBookmark(TBookmark bookmark);
  bool BookmarkValid(TBookmark bookmark) const;
  void FreeBookmark(TBookmark) {}

  // The field's value in visible row `row` (0-based) without moving the cursor, as grids
  // and lookup lists read their rows; empty out of range.
  Variant RowValue(int row, const TField& field) const;

  // Moves to the first row whose field equals value (options: TLocateOption bits).
  bool Locate(std::string_view field_name, const Variant& value, int options = 0);

  // --- Controls --------------------------------------------------------------------------
  // Nested: data sources hear nothing until the matching EnableControls.
  void DisableControls() { ++disable_count_; }
  void EnableControls();
  bool ControlsDisabled() const { return disable_count_ > 0; }
  void AddObserver(TDataSetObserver* observer);
  void RemoveObserver(TDataSetObserver* observer);

  // --- Filters ---------------------------------------------------------------------------
  const std::string& Filter() const { return filter_text_; }
  // Raises EDatabaseError for an invalid expression while the filter is in force; the old
  // expression then stays in force and Filter() keeps its text.
  void SetFilter(const std::string& text);
  bool Filtered() const { return filtered_; }
  // Switching on an invalid expression raises and leaves the dataset unfiltered.
  void SetFiltered(bool filtered);
  int FilterOptions() const { return filter_options_; }
  void SetFilterOptions(int options);

  // --- Events ----------------------------------------------------------------------------
  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
  TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
  TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
  TDataSetNotifyEvent OnNewRecord;
  // Runs for every row read or posted; it sets the calculated fields of the active row.
  TDataSetNotifyEvent OnCalcFields;

  // Active, Filter, Filtered by name, as the object inspector and the closer reach them.
  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

  // Raises the closed-dataset error when the dataset is not open.
  void CheckActive() const;
  // Raises "<name>: <text>" as EDatabaseError.
  [[noreturn]] void DatabaseError(const std::string& text) const;

 protected:
  struct Record {
    TBookmark id = 0;
    std::vector<Variant> values;  // one per field; empty is null
  };

  // Creates the fields and rows for Open; the base creates an empty dataset from FieldDefs.
  virtual void DoOpen();
  // Runs before the rows are dropped by Close (file-backed datasets write here).
  virtual void DoBeforeClose() {}

  // Builds the fields of the open dataset (DoOpen calls it once).
  void CreateFields(const std::vector<TFieldDef>& defs);
  // Appends a row of values (one per field, already converted) without events.
  void AppendLoadedRecord(std::vector<Variant> values);
  // Rows in storage order (unfiltered), for writers.
  const std::vector<std::unique_ptr<Record>>& Records() const { return records_; }
  void ReserveRecords(size_t count) { records_.reserve(count); }
  // Counts posts, deletes and emptyings since the dataset was made: a writer that saw the
  // same count before knows the rows are as they were.
  uint64_t RowChanges() const { return row_changes_; }

 private:
  friend class TField;

  Record* ActiveRecord() const;
  Variant FieldValue(const TField& field) const;
  void SetFieldValue(const TField& field, const Variant& value);
  void CalculateFields(Record& record);
  void CalculateAllFields();
  bool Accepts(const Record& record) const;
  void RebuildView();
  void PlaceCursorOn(const Record* record, int fallback_index);
  void CheckBrowseMode();
  void SetState(TDataSetState state);
  void Notify(TDataEvent event, TField* field = nullptr);
  void ScrollTo(int index);
  void Fire(const TDataSetNotifyEvent& event) {
    if (event) event(this);
  }
  std::unique_ptr<FilterExpression> CompileFilter(const std::string& text) const;

  TFieldDefs field_defs_;
  std::vector<std::unique_ptr<TField>> fields_;
  std::vector<std::unique_ptr<Record>> records_;
  std::vector<Record*> view_;  // the rows that pass the filter, in storage order
  int cur_ = -1;
  bool bof_ = true;
  bool eof_ = true;
  TDataSetState state_ = dsInactive;
  Record edit_buffer_;
  Record* edit_target_ = nullptr;    // the row being edited (dsEdit)
  Record* insert_before_ = nullptr;  // where an insert goes; nullptr appends
  Record* calc_record_ = nullptr;    // the row OnCalcFields works on
  bool modified_ = false;
  TBookmark next_id_ = 1;
  uint64_t row_changes_ = 0;
  int disable_count_ = 0;
  bool state_changed_while_disabled_ = false;
  std::vector<TDataSetObserver*> observers_;
  std::string filter_text_;
  bool filtered_ = false;
  int filter_options_ = 0;
  std::unique_ptr<FilterExpression> filter_;
};

}  // namespace platform
