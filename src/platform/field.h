// Field definitions and fields of a dataset: the typed columns of its records.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace platform {

class TDataSet;

// Column types. ftOther keeps values of packet types the platform has but the add-in
// never reads as anything but text (floats, dates, binary), so they survive a round trip.
enum TFieldType { ftUnknown, ftString, ftInteger, ftBoolean, ftMemo, ftOther };

enum TFieldKind { fkData, fkCalculated };

struct TFieldDef {
  std::string Name;
  TFieldType DataType = ftString;
  int32_t Size = 0;  // text fields: characters (code points), not bytes
  bool Required = false;
  TFieldKind FieldKind = fkData;
  std::string DisplayLabel;  // empty: the field name is shown
  std::string EditMask;      // input mask used by data-aware edits
  // The packet's own type and subtype ("r8", "bin.hex"/"Binary"...), written back as read.
  std::string PacketType;
  std::string PacketSubtype;
};

// The definitions a dataset is created from (CreateDataSet) or that a loaded packet fills.
class TFieldDefs {
 public:
  // Appends a definition and returns it for further settings (labels, masks); a text
  // field without a size gets 20 characters.
  TFieldDef& Add(std::string name, TFieldType type, int32_t size = 0, bool required = false);
  int Count() const { return static_cast<int>(defs_.size()); }
  TFieldDef& Items(int index) { return defs_.at(index); }
  const TFieldDef& Items(int index) const { return defs_.at(index); }
  // The definition of that name (letter case ignored), or nullptr.
  const TFieldDef* Find(std::string_view name) const;
  void Clear() { defs_.clear(); }
  const std::vector<TFieldDef>& List() const { return defs_; }

 private:
  std::vector<TFieldDef> defs_;
};

// One column of an open dataset, read and written on the dataset's active record.
class TField {
 public:
  TField(TDataSet& dataset, TFieldDef def, int index);

  TDataSet& DataSet() const { return dataset_; }
  const std::string& FieldName() const { return def_.Name; }
  TFieldType DataType() const { return def_.DataType; }
  TFieldKind FieldKind() const { return def_.FieldKind; }
  bool Calculated() const { return def_.FieldKind == fkCalculated; }
  int32_t Size() const { return def_.Size; }
  int Index() const { return index_; }
  const TFieldDef& Def() const { return def_; }

  // The label shown for the field: DisplayLabel, or the field name when none was set.
  std::string DisplayName() const;
  const std::string& DisplayLabel() const { return def_.DisplayLabel; }
  void SetDisplayLabel(std::string label) { def_.DisplayLabel = std::move(label); }
  bool Required() const { return def_.Required; }
  void SetRequired(bool required) { def_.Required = required; }
  const std::string& EditMask() const { return def_.EditMask; }
  void SetEditMask(std::string mask) { def_.EditMask = std::move(mask); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  // The value on the active record: empty for null (and when there is no record).
  Variant Value() const;
  // Stores a value converted to the field's type. Text is cut to Size characters and an
  // empty text stores null, as the platform's client dataset does. Raises EDatabaseError
  // when the dataset is not editing, EConvertError when the value does not convert.
  void SetValue(const Variant& value);
  bool IsNull() const { return Value().IsEmpty(); }
  void Clear() { SetValue(Variant()); }

  std::string AsString() const { return Value().AsString(); }
  void SetAsString(const std::string& value) { SetValue(value); }
  int32_t AsInteger() const { return Value().AsInteger(); }
  void SetAsInteger(int32_t value) { SetValue(value); }
  bool AsBoolean() const { return Value().AsBoolean(); }
  void SetAsBoolean(bool value) { SetValue(value); }
  // The text a data-aware control shows for the value.
  std::string DisplayText() const { return AsString(); }
  // Text a data-aware control writes: OnSetText decides what is stored when assigned (it
  // may refuse the text by raising), otherwise the text is stored as SetAsString does.
  void SetText(const std::string& text);
  std::function<void(TField& sender, const std::string& text)> OnSetText;

  // The value converted to this field's type (what SetValue would store).
  Variant Convert(const Variant& value) const;

 private:
  friend class TDataSet;
  // Reopening keeps field objects: the new definition, with what was set on the field
  // (labels, masks) kept where the definition sets nothing.
  void Rebind(const TFieldDef& def, int index);

  TDataSet& dataset_;
  TFieldDef def_;
  int index_;
  bool visible_ = true;
};

}  // namespace platform
