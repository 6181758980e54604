#include "platform/db_controls.h"

#include "platform/text_codec.h"

namespace platform {

namespace {

const TClassInfo* ClassOr(const TClassInfo* cls, const char* name) {
  return cls != nullptr ? cls : BuiltinClasses().Find(name);
}

}  // namespace

// --- TDBEdit --------------------------------------------------------------------------

TDBEdit::TDBEdit(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBEdit")) {}

void TDBEdit::DataChanged() {
  const TField* field = Field();
  // Straight to the edit's own text (and its OnChange), not back into the field.
  TCustomEdit::SetPropValue("Text", field != nullptr ? field->DisplayText() : std::string());
}

void TDBEdit::SetText(const std::string& text) {
  if (WriteText(text)) DataChanged();
}

void TDBEdit::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text")) {
    SetText(value.AsString());
    return;
  }
  TDBControl::SetPropValue(name, value, strict);
}

std::string TDBEdit::EditMask() const {
  const TField* field = Field();
  return field != nullptr ? field->EditMask() : std::string();
}

int32_t TDBEdit::MaxLength() const {
  const TField* field = Field();
  return field != nullptr && field->DataType() == ftString ? field->Size() : 0;
}

// --- TDBMemo ----------------------------------------------------------------------------

TDBMemo::TDBMemo(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBMemo")) {}

void TDBMemo::DataChanged() {
  const TField* field = Field();
  TCustomMemo::SetText(field != nullptr ? field->DisplayText() : std::string());
}

void TDBMemo::SetText(const std::string& text) {
  if (WriteText(text)) DataChanged();
}

void TDBMemo::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text") || SameTextAscii(name, "Lines")) {
    SetText(value.AsString());
    return;
  }
  TDBControl::SetPropValue(name, value, strict);
}

// --- TDBRichEdit ------------------------------------------------------------------------

TDBRichEdit::TDBRichEdit(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBRichEdit")) {}

void TDBRichEdit::DataChanged() {
  const TField* field = Field();
  TCustomRichEdit::SetText(field != nullptr ? field->DisplayText() : std::string());
}

void TDBRichEdit::SetText(const std::string& text) {
  if (WriteText(text)) DataChanged();
}

void TDBRichEdit::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text") || SameTextAscii(name, "Lines")) {
    SetText(value.AsString());
    return;
  }
  TDBControl::SetPropValue(name, value, strict);
}

// --- TDBText --------------------------------------------------------------------------

TDBText::TDBText(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBText")) {}

void TDBText::DataChanged() {
  const TField* field = Field();
  TComponent::SetPropValue("Caption", field != nullptr ? field->DisplayText() : std::string(),
                           false);
}

// --- TDBCheckBox ------------------------------------------------------------------------

TDBCheckBox::TDBCheckBox(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBCheckBox")) {}

void TDBCheckBox::DataChanged() {
  const TField* field = Field();
  bool checked = false;
  if (field != nullptr && !field->IsNull()) {
    if (field->DataType() == ftBoolean) {
      checked = field->AsBoolean();
    } else {
      checked = FoldCase(field->AsString()) == FoldCase(GetPropValue("ValueChecked").AsString());
    }
  }
  TComponent::SetPropValue("Checked", checked, false);
}

void TDBCheckBox::SetChecked(bool checked) {
  const TField* field = Field();
  if (field == nullptr) return;
  const Variant value = field->DataType() == ftBoolean
                            ? Variant(checked)
                            : GetPropValue(checked ? "ValueChecked" : "ValueUnchecked");
  if (WriteField(value)) DataChanged();
}

void TDBCheckBox::Click() {
  SetChecked(!Checked());
  TDBControl::Click();
}

// --- TDBComboBox ----------------------------------------------------------------------

TDBComboBox::TDBComboBox(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBComboBox")) {}

void TDBComboBox::DataChanged() {
  const TField* field = Field();
  TCustomComboBox::SetPropValue("Text", field != nullptr ? field->DisplayText() : std::string());
}

void TDBComboBox::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text")) {
    if (WriteField(value.AsString())) DataChanged();
    return;
  }
  if (SameTextAscii(name, "ItemIndex")) {
    const int32_t index = value.AsInteger();
    if (index >= 0 && index < Items().Count() && WriteField(Items().Get(index))) DataChanged();
    return;
  }
  TDBControl::SetPropValue(name, value, strict);
}

// --- TDBLookupComboBox --------------------------------------------------------------------

TDBLookupComboBox::TDBLookupComboBox(const TClassInfo* cls)
    : TDBControl(ClassOr(cls, "TDBLookupComboBox")) {}

void TDBLookupComboBox::SetListSource(TDataSource* source) {
  list_source_ = source;
  TComponent::SetPropValue("ListSource", source != nullptr ? source->Name() : std::string());
  DataChanged();
}

void TDBLookupComboBox::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "ListSource")) {
    SetListSource(ResolveSource(value.AsString()));
    return;
  }
  TDBControl::SetPropValue(name, value, strict);
}

TField* TDBLookupComboBox::ListFieldOf(const std::string& name) const {
  if (list_source_ == nullptr || list_source_->DataSet() == nullptr) return nullptr;
  TDataSet* ds = list_source_->DataSet();
  return ds->Active() ? ds->FindField(name) : nullptr;
}

Variant TDBLookupComboBox::KeyValue() const {
  if (const TField* field = Field()) return field->Value();
  return key_value_;
}

void TDBLookupComboBox::SetKeyValue(const Variant& key) {
  if (Field() != nullptr) {
    if (!WriteField(key)) return;
  } else {
    key_value_ = key;
  }
  TField* key_field = ListFieldOf(KeyField());
  if (key_field != nullptr && !key.IsEmpty()) key_field->DataSet().Locate(KeyField(), key);
  DataChanged();
}

std::string TDBLookupComboBox::Text() const {
  const TField* key_field = ListFieldOf(KeyField());
  const TField* list_field = ListFieldOf(ListField());
  const Variant key = KeyValue();
  if (key_field == nullptr || list_field == nullptr || key.IsEmpty()) return {};
  const TDataSet& ds = key_field->DataSet();
  const std::string wanted = key.AsString();
  for (int row = 0; row < ds.RecordCount(); ++row) {
    if (ds.RowValue(row, *key_field).AsString() == wanted) {
      return ds.RowValue(row, *list_field).AsString();
    }
  }
  return {};
}

std::vector<std::string> TDBLookupComboBox::ListItems() const {
  std::vector<std::string> items;
  const TField* list_field = ListFieldOf(ListField());
  if (list_field == nullptr) return items;
  const TDataSet& ds = list_field->DataSet();
  for (int row = 0; row < ds.RecordCount(); ++row) {
    items.push_back(ds.RowValue(row, *list_field).AsString());
  }
  return items;
}

void TDBLookupComboBox::SelectItem(int index) {
  const TField* key_field = ListFieldOf(KeyField());
  if (key_field == nullptr || index < 0 || index >= key_field->DataSet().RecordCount()) return;
  SetKeyValue(key_field->DataSet().RowValue(index, *key_field));
  Click();
}

void TDBLookupComboBox::DataChanged() {
  TComponent::SetPropValue("Text", Text(), false);
}

// --- TDBGrid ----------------------------------------------------------------------------

TDBGrid::TDBGrid(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBGrid")) {}

int TDBGrid::ColumnCount() const {
  if (columns_.Count() > 0) return columns_.Count();
  const TDataSet* ds = link_.DataSet();
  if (ds == nullptr || !ds->Active()) return 0;
  int count = 0;
  for (int i = 0; i < ds->FieldCount(); ++i) count += ds->Fields(i)->Visible() ? 1 : 0;
  return count;
}

std::string TDBGrid::ColumnFieldName(int column) const {
  if (columns_.Count() > 0) return columns_.Items(column).FieldName;
  const TDataSet* ds = link_.DataSet();
  if (ds == nullptr || !ds->Active()) return {};
  for (int i = 0; i < ds->FieldCount(); ++i) {
    if (ds->Fields(i)->Visible() && column-- == 0) return ds->Fields(i)->FieldName();
  }
  return {};
}

std::string TDBGrid::ColumnTitle(int column) const {
  if (columns_.Count() > 0 && !columns_.Items(column).Title.Caption.empty()) {
    return columns_.Items(column).Title.Caption;
  }
  const TDataSet* ds = link_.DataSet();
  const TField* field =
      ds != nullptr && ds->Active() ? ds->FindField(ColumnFieldName(column)) : nullptr;
  return field != nullptr ? field->DisplayName() : ColumnFieldName(column);
}

int TDBGrid::RowCount() const {
  const TDataSet* ds = link_.DataSet();
  return ds != nullptr && ds->Active() ? ds->RecordCount() : 0;
}

std::string TDBGrid::CellText(int row, int column) const {
  const TDataSet* ds = link_.DataSet();
  if (ds == nullptr || !ds->Active()) return {};
  const TField* field = ds->FindField(ColumnFieldName(column));
  return field != nullptr ? ds->RowValue(row, *field).AsString() : std::string();
}

void TDBGrid::SelectRow(int row) {
  TDataSet* ds = link_.DataSet();
  if (ds == nullptr || !ds->Active() || row < 0 || row >= ds->RecordCount()) return;
  ds->SetRecNo(row + 1);
}

int TDBGrid::Row() const {
  const TDataSet* ds = link_.DataSet();
  if (ds == nullptr || !ds->Active() || ds->IsEmpty()) return -1;
  return ds->RecNo() - 1;
}

// --- TDBNavigator -----------------------------------------------------------------------

TDBNavigator::TDBNavigator(const TClassInfo* cls) : TDBControl(ClassOr(cls, "TDBNavigator")) {}

bool TDBNavigator::ButtonVisible(TNavigateBtn button) const {
  return (visible_ & (1u << button)) != 0;
}

void TDBNavigator::SetVisibleButtons(const std::vector<TNavigateBtn>& buttons) {
  static const char* const kNames[] = {"nbFirst",  "nbPrior", "nbNext", "nbLast",   "nbInsert",
                                       "nbDelete", "nbEdit",  "nbPost", "nbCancel", "nbRefresh"};
  visible_ = 0;
  std::string text;
  for (TNavigateBtn b : buttons) visible_ |= 1u << b;
  for (int b = nbFirst; b <= nbRefresh; ++b) {
    if ((visible_ & (1u << b)) == 0) continue;
    text += (text.empty() ? "" : ", ") + std::string(kNames[b]);
  }
  TComponent::SetPropValue("VisibleButtons", "[" + text + "]");
}

bool TDBNavigator::ButtonEnabled(TNavigateBtn button) const {
  if (!Enabled() || !link_.Active()) return false;
  const TDataSet& ds = *link_.DataSet();
  const bool editing = link_.Editing();
  const bool can_modify = !ReadOnly();
  switch (button) {
    case nbFirst:
    case nbPrior:
      return !ds.Bof();
    case nbNext:
    case nbLast:
      return !ds.Eof();
    case nbInsert:
    case nbRefresh:
      return can_modify;
    case nbEdit:
      return can_modify && !editing;
    case nbPost:
    case nbCancel:
      return can_modify && editing;
    case nbDelete:
      return can_modify && !(ds.Bof() && ds.Eof());
  }
  return false;
}

void TDBNavigator::BtnClick(TNavigateBtn button) {
  if (!ButtonVisible(button) || !ButtonEnabled(button)) return;
  TDataSet& ds = *link_.DataSet();
  if (BeforeAction) BeforeAction(this, button);
  switch (button) {
    case nbFirst:
      ds.First();
      break;
    case nbPrior:
      ds.Prior();
      break;
    case nbNext:
      ds.Next();
      break;
    case nbLast:
      ds.Last();
      break;
    case nbInsert:
      ds.Insert();
      break;
    case nbDelete:
      if (GetPropValue("ConfirmDelete").AsBoolean() && OnConfirm && !OnConfirm("Delete record?")) {
        return;
      }
      ds.Delete();
      break;
    case nbEdit:
      ds.Edit();
      break;
    case nbPost:
      ds.Post();
      break;
    case nbCancel:
      ds.Cancel();
      break;
    case nbRefresh:
      break;  // rows live in memory: nothing to fetch again
  }
  if (OnNavClick) OnNavClick(this, button);
}

}  // namespace platform
