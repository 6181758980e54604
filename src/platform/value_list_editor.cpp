#include "platform/value_list_editor.h"

#include "platform/forms.h"

namespace platform {

TValueListEditor::TValueListEditor(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TValueListEditor")) {
  titles_.Add("Key");
  titles_.Add("Value");
  strings_.OnChange = [this](TStrings& s) { TComponent::SetPropValue("Strings", s.Text(), false); };
  titles_.OnChange = [this](TStrings& s) {
    TComponent::SetPropValue("TitleCaptions", s.Text(), false);
  };
}

std::string TValueListEditor::Keys(int row) const {
  if (row < 1 || row > strings_.Count()) return {};
  return strings_.Names(row - 1).empty() ? strings_.Get(row - 1) : strings_.Names(row - 1);
}

void TValueListEditor::SetKeys(int row, const std::string& key) {
  if (row < 1 || row > strings_.Count()) {
    throw EStringListError("List index out of bounds (" + std::to_string(row) + ")");
  }
  strings_.Put(row - 1, key + "=" + strings_.ValueFromIndex(row - 1));
}

void TValueListEditor::SetValues(const std::string& key, const std::string& value) {
  // Unlike a plain list, an empty value keeps the row: the grid shows the key alone.
  const int index = strings_.IndexOfName(key);
  if (index >= 0) {
    strings_.Put(index, strings_.Names(index) + "=" + value);
  } else {
    strings_.Add(key + "=" + value);
  }
}

int TValueListEditor::InsertRow(const std::string& key, const std::string& value, bool append) {
  if (append) return strings_.Add(key + "=" + value) + 1;
  strings_.Insert(0, key + "=" + value);
  return 1;
}

void TValueListEditor::DeleteRow(int row) {
  if (row < 1 || row > strings_.Count()) {
    throw EStringListError("List index out of bounds (" + std::to_string(row) + ")");
  }
  strings_.Delete(row - 1);
}

bool TValueListEditor::SelectCell(int col, int row) {
  bool can_select = true;
  if (OnSelectCell) OnSelectCell(this, col, row, can_select);
  if (can_select) row_ = row;
  return can_select;
}

bool TValueListEditor::FindRow(const std::string& key, int& row) const {
  const int index = strings_.IndexOfName(key);
  if (index < 0) return false;
  row = index + 1;
  return true;
}

Variant TValueListEditor::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Strings")) return strings_.Text();
  if (SameTextAscii(name, "TitleCaptions")) return titles_.Text();
  return TWinControl::GetPropValue(name);
}

void TValueListEditor::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Strings")) {
    strings_.SetText(value.AsString());
    return;
  }
  if (SameTextAscii(name, "TitleCaptions")) {
    titles_.SetText(value.AsString());
    return;
  }
  TWinControl::SetPropValue(name, value, strict);
}

}  // namespace platform
