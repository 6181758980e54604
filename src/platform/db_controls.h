// Data-aware controls: each shows (and edits) a field of a data source's current row.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes.h"
#include "platform/com_controls.h"
#include "platform/component.h"
#include "platform/data_source.h"
#include "platform/exceptions.h"
#include "platform/ext_controls.h"
#include "platform/std_controls.h"

namespace platform {

// What the data-aware controls share: DataSource and DataField, in code and by name.
template <class Base>
class TDBControl : public Base {
 public:
  explicit TDBControl(const TClassInfo* cls) : Base(cls) {
    link_.OnDataChange = [this] { DataChanged(); };
    link_.OnActiveChange = [this] { DataChanged(); };
  }

  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* source) {
    Base::SetPropValue("DataSource", source != nullptr ? source->Name() : std::string());
    link_.SetDataSource(source);
    DataChanged();
  }
  const std::string& DataField() const { return link_.FieldName(); }
  void SetDataField(const std::string& name) {
    Base::SetPropValue("DataField", name);
    link_.SetFieldName(name);
    DataChanged();
  }
  // The bound field of the open dataset, or nullptr.
  TField* Field() const { return link_.Field(); }
  bool ReadOnly() const { return Base::GetPropValue("ReadOnly").AsBoolean(); }
  void SetReadOnly(bool read_only) { Base::SetPropValue("ReadOnly", read_only); }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override {
    if (SameTextAscii(name, "DataSource")) {
      SetDataSource(ResolveSource(value.AsString()));
    } else if (SameTextAscii(name, "DataField")) {
      SetDataField(value.AsString());
    } else {
      Base::SetPropValue(name, value, strict);
    }
  }

 protected:
  // The field's value changed or the cursor moved: show it again.
  virtual void DataChanged() {}

  // Writes a value the user entered: the dataset goes into edit mode first (when the data
  // source allows it). False when the control cannot edit (unbound, read-only, not editing).
  bool WriteField(const Variant& value) {
    TField* field = Field();
    if (field == nullptr || ReadOnly() || !link_.Edit()) return false;
    field->SetValue(value);
    return true;
  }
  // Writes text the user typed through the field's text handling (OnSetText).
  bool WriteText(const std::string& text) {
    TField* field = Field();
    if (field == nullptr || ReadOnly() || !link_.Edit()) return false;
    field->SetText(text);
    return true;
  }

  TDataSource* ResolveSource(const std::string& name) const {
    if (name.empty()) return nullptr;
    const TComponent* root = this->Owner() != nullptr ? this->Owner() : this;
    auto* source = dynamic_cast<TDataSource*>(root->FindComponent(name));
    if (source == nullptr) throw EComponentError("Data source " + name + " not found");
    return source;
  }

  TFieldDataLink link_;
};

// An edit bound to a field; the field's edit mask shapes what is typed.
class TDBEdit : public TDBControl<TCustomEdit> {
 public:
  explicit TDBEdit(const TClassInfo* cls = nullptr);
  // The user types text (also Text by name): the field takes it, cut to its size. Ignored
  // when the control cannot edit; conversion errors (text in an integer field) propagate.
  void SetText(const std::string& text) override;
  std::string EditMask() const;
  // The field's size for text fields, 0 otherwise.
  int32_t MaxLength() const;

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DataChanged() override;
};

class TDBMemo : public TDBControl<TCustomMemo> {
 public:
  explicit TDBMemo(const TClassInfo* cls = nullptr);
  void SetText(const std::string& text) override;

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DataChanged() override;
};

// A rich-text field over a text field; like TDBMemo, the text the user typed reaches the
// field whole (its OnSetText decides what is stored).
class TDBRichEdit : public TDBControl<TCustomRichEdit> {
 public:
  explicit TDBRichEdit(const TClassInfo* cls = nullptr);
  void SetText(const std::string& text) override;

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DataChanged() override;
};

// A label showing a field (a graphic control: no focus, no tab stop).
class TDBText : public TDBControl<TCustomLabel> {
 public:
  explicit TDBText(const TClassInfo* cls = nullptr);

 protected:
  void DataChanged() override;
};

// A check box over a Boolean field, or over a text field holding ValueChecked/ValueUnchecked.
class TDBCheckBox : public TDBControl<TWinControl> {
 public:
  explicit TDBCheckBox(const TClassInfo* cls = nullptr);
  bool Checked() const { return GetPropValue("Checked").AsBoolean(); }
  void SetChecked(bool checked);
  // A user's click toggles the box.
  void Click() override;

 protected:
  void DataChanged() override;
};

// A combo box whose text is the field; choosing an item (or typing) writes the field.
class TDBComboBox : public TDBControl<TCustomComboBox> {
 public:
  explicit TDBComboBox(const TClassInfo* cls = nullptr);

  // Text and ItemIndex set by the user or by name write the field.
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DataChanged() override;
};

// A drop-down list of ListField values of the ListSource rows; choosing one sets KeyValue
// (the KeyField of that row) and, when bound, writes it to DataField.
class TDBLookupComboBox : public TDBControl<TWinControl> {
 public:
  explicit TDBLookupComboBox(const TClassInfo* cls = nullptr);
  TDataSource* ListSource() const { return list_source_; }
  void SetListSource(TDataSource* source);
  std::string KeyField() const { return GetPropValue("KeyField").AsString(); }
  void SetKeyField(const std::string& name) { TComponent::SetPropValue("KeyField", name); }
  std::string ListField() const { return GetPropValue("ListField").AsString(); }
  void SetListField(const std::string& name) { TComponent::SetPropValue("ListField", name); }

  // The key shown: the bound field's value, or the one chosen when unbound.
  Variant KeyValue() const;
  // Sets the key (writing the bound field) and moves the list dataset to its row.
  void SetKeyValue(const Variant& key);
  // The ListField text of the row whose key is KeyValue; empty when none matches.
  std::string Text() const;
  // The texts of the drop-down, one per visible list row.
  std::vector<std::string> ListItems() const;
  // The user chooses the item at index: KeyValue follows and OnClick runs.
  void SelectItem(int index);

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 protected:
  void DataChanged() override;

 private:
  TField* ListFieldOf(const std::string& name) const;
  TDataSource* list_source_ = nullptr;
  Variant key_value_;
};

struct TColumnTitle {
  std::string Caption;
};

struct TColumn {
  std::string FieldName;
  TColumnTitle Title;
  int32_t Width = 64;
};

class TDBGridColumns {
 public:
  int Count() const { return static_cast<int>(columns_.size()); }
  TColumn& Items(int index) { return columns_.at(index); }
  const TColumn& Items(int index) const { return columns_.at(index); }
  TColumn& operator[](int index) { return Items(index); }
  TColumn& Add() { return columns_.emplace_back(); }
  void Clear() { columns_.clear(); }

 private:
  std::vector<TColumn> columns_;
};

// A grid of the data source's rows. Without columns it shows every visible field.
class TDBGrid : public TDBControl<TWinControl> {
 public:
  explicit TDBGrid(const TClassInfo* cls = nullptr);
  TDBGridColumns& Columns() { return columns_; }
  const TDBGridColumns& Columns() const { return columns_; }

  // Columns shown: the defined ones, else one per visible field.
  int ColumnCount() const;
  std::string ColumnFieldName(int column) const;
  // The title shown: the column's title caption, else the field's display name.
  std::string ColumnTitle(int column) const;
  int RowCount() const;
  std::string CellText(int row, int column) const;
  // The user clicks a row (0-based): the dataset's cursor moves there.
  void SelectRow(int row);
  // 0-based row of the cursor, -1 when there is none.
  int Row() const;

 private:
  TDBGridColumns columns_;
};

enum TNavigateBtn {
  nbFirst,
  nbPrior,
  nbNext,
  nbLast,
  nbInsert,
  nbDelete,
  nbEdit,
  nbPost,
  nbCancel,
  nbRefresh
};

// Buttons that move through and edit the data source's dataset.
class TDBNavigator : public TDBControl<TCustomPanel> {
 public:
  explicit TDBNavigator(const TClassInfo* cls = nullptr);

  bool ButtonVisible(TNavigateBtn button) const;
  void SetVisibleButtons(const std::vector<TNavigateBtn>& buttons);
  // Enabled as the platform enables them: moves away from the ends, edits while browsing,
  // post and cancel while editing, delete on a row.
  bool ButtonEnabled(TNavigateBtn button) const;
  // A press of a visible, enabled button; others do nothing. Delete asks OnConfirm
  // ("Delete record?") when ConfirmDelete is set and a confirmation handler exists.
  void BtnClick(TNavigateBtn button);

  std::function<void(TObject* sender, TNavigateBtn button)> BeforeAction;
  std::function<void(TObject* sender, TNavigateBtn button)> OnNavClick;
  std::function<bool(const std::string& question)> OnConfirm;

 private:
  uint32_t visible_ = 0x3FF;
};

}  // namespace platform
