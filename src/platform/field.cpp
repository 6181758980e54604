#include "platform/field.h"

#include "platform/classes.h"
#include "platform/dataset.h"
#include "platform/text_codec.h"

namespace platform {

TFieldDef& TFieldDefs::Add(std::string name, TFieldType type, int32_t size, bool required) {
  TFieldDef def;
  def.Name = std::move(name);
  def.DataType = type;
  // A text field declared without a size holds 20 characters, the platform's default.
  def.Size = type == ftString && size == 0 ? 20 : size;
  def.Required = required;
  defs_.push_back(std::move(def));
  return defs_.back();
}

const TFieldDef* TFieldDefs::Find(std::string_view name) const {
  for (const TFieldDef& def : defs_) {
    if (SameTextAscii(def.Name, name)) return &def;
  }
  return nullptr;
}

TField::TField(TDataSet& dataset, TFieldDef def, int index)
    : dataset_(dataset), def_(std::move(def)), index_(index) {}

void TField::Rebind(const TFieldDef& def, int index) {
  TFieldDef merged = def;
  if (merged.DisplayLabel.empty()) merged.DisplayLabel = def_.DisplayLabel;
  if (merged.EditMask.empty()) merged.EditMask = def_.EditMask;
  merged.Required = merged.Required || def_.Required;
  def_ = std::move(merged);
  index_ = index;
}

std::string TField::DisplayName() const {
  return def_.DisplayLabel.empty() ? def_.Name : def_.DisplayLabel;
}

Variant TField::Value() const {
  return dataset_.FieldValue(*this);
}

void TField::SetValue(const Variant& value) {
  dataset_.SetFieldValue(*this, Convert(value));
}

void TField::SetText(const std::string& text) {
  if (OnSetText) {
    OnSetText(*this, text);
  } else {
    SetAsString(text);
  }
}

Variant TField::Convert(const Variant& value) const {
  if (value.IsEmpty()) return {};
  switch (def_.DataType) {
    case ftString:
    case ftMemo:
    case ftOther:
    case ftUnknown: {
      std::string text = value.AsString();
      if (text.empty()) return {};
      if (def_.DataType == ftString && def_.Size > 0) {
        const std::string_view kept = Utf8Prefix(text, static_cast<size_t>(def_.Size));
        if (kept.size() != text.size()) text.resize(kept.size());
      }
      return text;
    }
    case ftInteger:
      if (value.Type() == VarType::String && value.AsString().empty()) return {};
      return value.AsInteger();
    case ftBoolean:
      if (value.Type() == VarType::String && value.AsString().empty()) return {};
      return value.AsBoolean();
  }
  return value;
}

}  // namespace platform
