#include "platform/dataset.h"

#include <algorithm>

#include "platform/classes.h"
#include "platform/exceptions.h"
#include "platform/filter_expression.h"
#include "platform/text_codec.h"

namespace platform {

TDataSet::TDataSet(const TClassInfo* cls)
    : TComponent(cls != nullptr ? cls : BuiltinClasses().Find("TDataSet")) {}

TDataSet::~TDataSet() {
  // Data sources outlive nothing they borrowed: tell them the dataset is gone.
  const std::vector<TDataSetObserver*> observers = observers_;
  observers_.clear();
  for (TDataSetObserver* o : observers) o->DataSetDestroyed();
}

void TDataSet::DatabaseError(const std::string& text) const {
  throw EDatabaseError(Name().empty() ? text : Name() + ": " + text);
}

void TDataSet::CheckActive() const {
  if (state_ == dsInactive) DatabaseError("Cannot perform this operation on a closed dataset");
}

TField* TDataSet::FindField(std::string_view name) const {
  for (const auto& f : fields_) {
    if (SameTextAscii(f->FieldName(), name)) return f.get();
  }
  return nullptr;
}

TField* TDataSet::FieldByName(std::string_view name) const {
  TField* f = FindField(name);
  if (f == nullptr) DatabaseError("Field '" + std::string(name) + "' not found");
  return f;
}

// --- Opening and closing --------------------------------------------------------------

void TDataSet::DoOpen() {
  if (field_defs_.Count() == 0) DatabaseError("Missing data provider or data packet");
  CreateFields(field_defs_.List());
}

void TDataSet::CreateFields(const std::vector<TFieldDef>& defs) {
  // Field objects of the same name and type live on, so a field held across a close and
  // an open still works; fields the new structure lacks go.
  std::vector<std::unique_ptr<TField>> old = std::move(fields_);
  fields_.clear();
  for (size_t i = 0; i < defs.size(); ++i) {
    auto same = std::find_if(old.begin(), old.end(), [&](const auto& f) {
      return f != nullptr && SameTextAscii(f->FieldName(), defs[i].Name) &&
             f->DataType() == defs[i].DataType && f->FieldKind() == defs[i].FieldKind;
    });
    if (same != old.end()) {
      (*same)->Rebind(defs[i], static_cast<int>(i));
      fields_.push_back(std::move(*same));
    } else {
      fields_.push_back(std::make_unique<TField>(*this, defs[i], static_cast<int>(i)));
    }
  }
}

void TDataSet::AppendLoadedRecord(std::vector<Variant> values) {
  auto rec = std::make_unique<Record>();
  rec->id = next_id_++;
  rec->values = std::move(values);
  rec->values.resize(fields_.size());
  records_.push_back(std::move(rec));
}

void TDataSet::Open() {
  if (Active()) return;
  Fire(BeforeOpen);
  records_.clear();
  view_.clear();
  try {
    DoOpen();
  } catch (...) {
    records_.clear();
    throw;
  }
  for (auto& rec : records_) rec->values.resize(fields_.size());
  std::unique_ptr<FilterExpression> filter;
  if (filtered_) {
    try {
      filter = CompileFilter(filter_text_);
    } catch (...) {
      records_.clear();
      throw;
    }
  }
  filter_ = std::move(filter);
  state_ = dsBrowse;
  CalculateAllFields();
  RebuildView();
  cur_ = view_.empty() ? -1 : 0;
  bof_ = true;
  eof_ = view_.empty();
  modified_ = false;
  state_changed_while_disabled_ = true;
  Notify(deUpdateState);
  Fire(AfterOpen);
  if (!IsEmpty()) Fire(AfterScroll);
}

void TDataSet::Close() {
  if (!Active()) return;
  Fire(BeforeClose);
  // A pending edit is dropped; the platform does not post on close.
  if (state_ == dsEdit || state_ == dsInsert) {
    edit_buffer_ = Record{};
    edit_target_ = nullptr;
    insert_before_ = nullptr;
    state_ = dsBrowse;
  }
  DoBeforeClose();
  state_ = dsInactive;
  records_.clear();
  view_.clear();
  filter_.reset();  // fields stay: they read as null while the dataset is closed
  cur_ = -1;
  bof_ = eof_ = true;
  modified_ = false;
  state_changed_while_disabled_ = true;
  Notify(deUpdateState);
  Fire(AfterClose);
}

// --- Rows and the view ------------------------------------------------------------------

TDataSet::Record* TDataSet::ActiveRecord() const {
  switch (state_) {
    case dsEdit:
    case dsInsert:
      return const_cast<Record*>(&edit_buffer_);
    case dsCalcFields:
      return calc_record_;
    case dsBrowse:
      return cur_ >= 0 && cur_ < static_cast<int>(view_.size()) ? view_[cur_] : nullptr;
    case dsInactive:
      return nullptr;
  }
  return nullptr;
}

Variant TDataSet::FieldValue(const TField& field) const {
  const Record* rec = ActiveRecord();
  if (rec == nullptr || field.Index() >= static_cast<int>(rec->values.size())) return {};
  return rec->values[field.Index()];
}

void TDataSet::SetFieldValue(const TField& field, const Variant& value) {
  const bool calc_ok = state_ == dsCalcFields && field.Calculated();
  if (!(state_ == dsEdit || state_ == dsInsert || calc_ok)) {
    if (state_ == dsInactive) CheckActive();
    DatabaseError("Dataset not in edit or insert mode");
  }
  Record* rec = ActiveRecord();
  rec->values.resize(fields_.size());
  rec->values[field.Index()] = value;
  if (state_ == dsCalcFields) return;
  modified_ = true;
  if (!field.Calculated()) CalculateFields(*rec);
  Notify(deFieldChange, const_cast<TField*>(&field));
}

void TDataSet::CalculateFields(Record& record) {
  const bool any =
      std::any_of(fields_.begin(), fields_.end(), [](const auto& f) { return f->Calculated(); });
  if (!any) return;
  for (const auto& f : fields_) {
    if (f->Calculated()) record.values[f->Index()] = Variant();
  }
  if (!OnCalcFields) return;
  const TDataSetState saved_state = state_;
  Record* saved_record = calc_record_;
  state_ = dsCalcFields;
  calc_record_ = &record;
  struct Restore {
    TDataSet* ds;
    TDataSetState state;
    Record* record;
    ~Restore() {
      ds->state_ = state;
      ds->calc_record_ = record;
    }
  } restore{this, saved_state, saved_record};
  OnCalcFields(this);
}

void TDataSet::CalculateAllFields() {
  for (auto& rec : records_) CalculateFields(*rec);
}

bool TDataSet::Accepts(const Record& record) const {
  return filter_ == nullptr ||
         filter_->Matches(record.values, (filter_options_ & foCaseInsensitive) != 0);
}

void TDataSet::RebuildView() {
  view_.clear();
  view_.reserve(records_.size());
  for (const auto& rec : records_) {
    if (Accepts(*rec)) view_.push_back(rec.get());
  }
}

void TDataSet::PlaceCursorOn(const Record* record, int fallback_index) {
  auto it = std::find(view_.begin(), view_.end(), record);
  if (it != view_.end()) {
    cur_ = static_cast<int>(it - view_.begin());
  } else {
    cur_ = std::min(fallback_index, static_cast<int>(view_.size()) - 1);
    if (cur_ < 0 && !view_.empty()) cur_ = 0;
  }
  bof_ = view_.empty();
  eof_ = view_.empty();
}

std::unique_ptr<FilterExpression> TDataSet::CompileFilter(const std::string& text) const {
  std::string err;
  auto expr = FilterExpression::Compile(
      text,
      [this](std::string_view name) {
        FilterExpression::FieldRef ref;
        if (TField* f = FindField(name)) {
          ref.index = f->Index();
          ref.type = f->DataType();
        }
        return ref;
      },
      &err);
  if (expr == nullptr) DatabaseError("Invalid filter expression '" + text + "': " + err);
  return expr;
}

// --- Cursor -------------------------------------------------------------------------------

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ == dsEdit || state_ == dsInsert) {
    if (modified_) {
      Post();
    } else {
      Cancel();
    }
  }
}

void TDataSet::ScrollTo(int index) {
  Fire(BeforeScroll);
  cur_ = index;
  Notify(deDataSetScroll);
  Fire(AfterScroll);
}

void TDataSet::First() {
  CheckBrowseMode();
  const bool moved = cur_ != 0 && !view_.empty();
  if (moved) {
    ScrollTo(0);
  } else if (!view_.empty()) {
    cur_ = 0;
  }
  bof_ = true;
  eof_ = view_.empty();
}

void TDataSet::Last() {
  CheckBrowseMode();
  const int last = static_cast<int>(view_.size()) - 1;
  if (last >= 0 && cur_ != last) ScrollTo(last);
  eof_ = true;
  bof_ = view_.empty();
}

int TDataSet::MoveBy(int distance) {
  CheckBrowseMode();
  if (view_.empty() || distance == 0) {
    if (view_.empty()) bof_ = eof_ = true;
    return 0;
  }
  int moved = distance;
  if (distance > 0) {
    bof_ = false;
    const int room = static_cast<int>(view_.size()) - 1 - cur_;
    if (distance > room) {
      moved = room;
      eof_ = true;
    }
  } else {
    eof_ = false;
    const int room = cur_;
    if (-distance > room) {
      moved = -room;
      bof_ = true;
    }
  }
  if (moved != 0) ScrollTo(cur_ + moved);
  return moved;
}

int TDataSet::RecNo() const {
  if (state_ == dsInsert) return -1;
  if (state_ == dsInactive || view_.empty()) return 0;
  return cur_ + 1;
}

void TDataSet::SetRecNo(int rec_no) {
  CheckBrowseMode();
  if (view_.empty()) return;
  const int target = std::clamp(rec_no, 1, static_cast<int>(view_.size())) - 1;
  if (target != cur_) ScrollTo(target);
  bof_ = eof_ = false;
}

int TDataSet::RecordCount() const {
  CheckActive();
  return static_cast<int>(view_.size());
}

bool TDataSet::IsEmpty() const {
  CheckActive();
  return view_.empty() && state_ != dsInsert;
}

// --- Editing ------------------------------------------------------------------------------

void TDataSet::Append() {
  CheckBrowseMode();
  Fire(BeforeInsert);
  edit_buffer_ = Record{};
  edit_buffer_.values.assign(fields_.size(), Variant());
  edit_target_ = nullptr;
  insert_before_ = nullptr;
  modified_ = false;
  SetState(dsInsert);
  CalculateFields(edit_buffer_);
  Fire(OnNewRecord);
  Fire(AfterInsert);
}

void TDataSet::Insert() {
  CheckBrowseMode();
  Fire(BeforeInsert);
  edit_buffer_ = Record{};
  edit_buffer_.values.assign(fields_.size(), Variant());
  edit_target_ = nullptr;
  insert_before_ = ActiveRecord();
  modified_ = false;
  SetState(dsInsert);
  CalculateFields(edit_buffer_);
  Fire(OnNewRecord);
  Fire(AfterInsert);
}

void TDataSet::Edit() {
  CheckActive();
  if (state_ == dsEdit || state_ == dsInsert) return;
  if (view_.empty()) {
    Insert();
    return;
  }
  Fire(BeforeEdit);
  edit_target_ = view_[cur_];
  edit_buffer_ = *edit_target_;
  modified_ = false;
  SetState(dsEdit);
  Fire(AfterEdit);
}

void TDataSet::Post() {
  CheckActive();
  if (state_ != dsEdit && state_ != dsInsert) return;
  Fire(BeforePost);
  for (const auto& f : fields_) {
    if (f->Required() && !f->Calculated() && edit_buffer_.values[f->Index()].IsEmpty()) {
      throw EDatabaseError("Field '" + f->DisplayName() + "' must have a value");
    }
  }
  const Record* posted = nullptr;
  if (state_ == dsEdit) {
    edit_target_->values = std::move(edit_buffer_.values);
    posted = edit_target_;
  } else {
    auto rec = std::make_unique<Record>();
    rec->id = next_id_++;
    rec->values = std::move(edit_buffer_.values);
    auto pos = std::find_if(records_.begin(), records_.end(),
                            [this](const auto& r) { return r.get() == insert_before_; });
    posted = rec.get();
    records_.insert(pos, std::move(rec));
  }
  const int old_cur = cur_;
  edit_buffer_ = Record{};
  edit_target_ = nullptr;
  insert_before_ = nullptr;
  modified_ = false;
  ++row_changes_;
  RebuildView();
  PlaceCursorOn(posted, old_cur);
  SetState(dsBrowse);
  Notify(deDataSetChange);
  Fire(AfterPost);
}

void TDataSet::Cancel() {
  CheckActive();
  if (state_ != dsEdit && state_ != dsInsert) return;
  Fire(BeforeCancel);
  edit_buffer_ = Record{};
  edit_target_ = nullptr;
  insert_before_ = nullptr;
  modified_ = false;
  SetState(dsBrowse);
  Notify(deRecordChange);
  Fire(AfterCancel);
}

void TDataSet::Delete() {
  CheckActive();
  if (state_ == dsInsert) {
    Cancel();
    return;
  }
  if (view_.empty()) DatabaseError("Cannot perform this operation on an empty dataset");
  if (state_ == dsEdit) Cancel();
  Fire(BeforeDelete);
  Record* doomed = view_[cur_];
  const int old_cur = cur_;
  const bool was_last = cur_ == static_cast<int>(view_.size()) - 1;
  std::erase_if(records_, [doomed](const auto& r) { return r.get() == doomed; });
  ++row_changes_;
  RebuildView();
  PlaceCursorOn(nullptr, old_cur);
  // Deleting the last row leaves the cursor past the end, so "while not Eof do Delete"
  // stops there.
  eof_ = view_.empty() || was_last;
  Notify(deDataSetChange);
  Fire(AfterDelete);
  if (!view_.empty()) Fire(AfterScroll);
}

void TDataSet::EmptyDataSet() {
  CheckActive();
  if (state_ == dsEdit || state_ == dsInsert) Cancel();
  records_.clear();
  ++row_changes_;
  view_.clear();
  cur_ = -1;
  bof_ = eof_ = true;
  Notify(deDataSetChange);
}

// --- Bookmarks and search ---------------------------------------------------------------

TBookmark TDataSet::GetBookmark() const {
  if (state_ == dsInactive || cur_ < 0 || cur_ >= static_cast<int>(view_.size())) return 0;
  return view_[cur_]->id;
}

bool TDataSet::BookmarkValid(TBookmark bookmark) const {
  if (bookmark == 0 || state_ == dsInactive) return false;
  return std::any_of(view_.begin(), view_.end(),
                     [bookmark](const Record* r) { return r->id == bookmark; });
}

void TDataSet::GotoBookmark(TBookmark bookmark) {
  CheckBrowseMode();
  auto it = std::find_if(view_.begin(), view_.end(),
                         [bookmark](const Record* r) { return r->id == bookmark; });
  if (bookmark == 0 || it == view_.end()) DatabaseError("Record not found");
  const int index = static_cast<int>(it - view_.begin());
  if (index != cur_) ScrollTo(index);
  bof_ = eof_ = false;
}

Variant TDataSet::RowValue(int row, const TField& field) const {
  if (row < 0 || row >= static_cast<int>(view_.size())) return {};
  const Record* rec = view_[row];
  return field.Index() < static_cast<int>(rec->values.size()) ? rec->values[field.Index()]
                                                              : Variant();
}

bool TDataSet::Locate(std::string_view field_name, const Variant& value, int options) {
  CheckBrowseMode();
  const TField* field = FieldByName(field_name);
  const bool ci = (options & loCaseInsensitive) != 0;
  const bool partial = (options & loPartialKey) != 0;
  std::string wanted = value.AsString();
  if (ci) wanted = FoldCase(wanted);
  for (size_t i = 0; i < view_.size(); ++i) {
    const Variant& v = view_[i]->values[field->Index()];
    if (v.IsEmpty() != value.IsEmpty()) continue;
    std::string text = v.AsString();
    if (ci) text = FoldCase(text);
    if (partial ? text.rfind(wanted, 0) == 0 : text == wanted) {
      if (static_cast<int>(i) != cur_) ScrollTo(static_cast<int>(i));
      bof_ = eof_ = false;
      return true;
    }
  }
  return false;
}

// --- Filters ----------------------------------------------------------------------------

void TDataSet::SetFilter(const std::string& text) {
  if (Active() && filtered_) {
    CheckBrowseMode();
    filter_ = CompileFilter(text);  // raises before anything changes
    filter_text_ = text;
    RebuildView();
    PlaceCursorOn(nullptr, 0);
    Notify(deDataSetChange);
    if (!view_.empty()) Fire(AfterScroll);
    return;
  }
  filter_text_ = text;
}

void TDataSet::SetFiltered(bool filtered) {
  if (filtered == filtered_) return;
  if (!Active()) {
    filtered_ = filtered;
    return;
  }
  CheckBrowseMode();
  filter_ = filtered ? CompileFilter(filter_text_) : nullptr;
  filtered_ = filtered;
  RebuildView();
  PlaceCursorOn(nullptr, 0);
  Notify(deDataSetChange);
  if (!view_.empty()) Fire(AfterScroll);
}

void TDataSet::SetFilterOptions(int options) {
  filter_options_ = options;
  if (Active() && filtered_) {
    CheckBrowseMode();
    RebuildView();
    PlaceCursorOn(nullptr, 0);
    Notify(deDataSetChange);
  }
}

// --- Notifications ------------------------------------------------------------------------

void TDataSet::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  state_changed_while_disabled_ = true;
  Notify(deUpdateState);
}

void TDataSet::Notify(TDataEvent event, TField* field) {
  if (disable_count_ > 0) return;
  if (event == deUpdateState) state_changed_while_disabled_ = false;
  const std::vector<TDataSetObserver*> observers = observers_;
  for (TDataSetObserver* o : observers) {
    if (std::find(observers_.begin(), observers_.end(), o) != observers_.end()) {
      o->DataEvent(event, field);
    }
  }
}

void TDataSet::EnableControls() {
  if (disable_count_ == 0) return;
  if (--disable_count_ > 0) return;
  if (state_changed_while_disabled_) Notify(deUpdateState);
  Notify(deDataSetChange);
}

void TDataSet::AddObserver(TDataSetObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
    observers_.push_back(observer);
  }
}

void TDataSet::RemoveObserver(TDataSetObserver* observer) {
  std::erase(observers_, observer);
}

// --- Properties by name ---------------------------------------------------------------

Variant TDataSet::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Active")) return Active();
  if (SameTextAscii(name, "Filter")) return filter_text_;
  if (SameTextAscii(name, "Filtered")) return filtered_;
  if (SameTextAscii(name, "FilterOptions")) {
    std::string text;
    if ((filter_options_ & foCaseInsensitive) != 0) text = "foCaseInsensitive";
    if ((filter_options_ & foNoPartialCompare) != 0) {
      text += (text.empty() ? "" : ", ") + std::string("foNoPartialCompare");
    }
    return "[" + text + "]";
  }
  return TComponent::GetPropValue(name);
}

void TDataSet::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Active")) {
    SetActive(value.AsBoolean());
  } else if (SameTextAscii(name, "Filter")) {
    SetFilter(value.AsString());
  } else if (SameTextAscii(name, "Filtered")) {
    SetFiltered(value.AsBoolean());
  } else if (SameTextAscii(name, "FilterOptions")) {
    // A set as the form file writes it: "[foCaseInsensitive, foNoPartialCompare]".
    const std::string text = UpperAscii(value.AsString());
    int options = 0;
    if (text.find("FOCASEINSENSITIVE") != std::string::npos) options |= foCaseInsensitive;
    if (text.find("FONOPARTIALCOMPARE") != std::string::npos) options |= foNoPartialCompare;
    SetFilterOptions(options);
  } else {
    TComponent::SetPropValue(name, value, strict);
  }
}

}  // namespace platform
