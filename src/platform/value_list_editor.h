// The value-list editor: a two-column grid over Name=Value lines (Strings).
#pragma once

#include <functional>
#include <string>

#include "platform/component.h"
#include "platform/strings.h"

namespace platform {

class TValueListEditor : public TWinControl {
 public:
  explicit TValueListEditor(const TClassInfo* cls = nullptr);

  TStrings& Strings() { return strings_; }
  const TStrings& Strings() const { return strings_; }
  // Column titles: "Key" and "Value" unless set.
  TStrings& TitleCaptions() { return titles_; }
  // Rows count from 1 (row 0 holds the titles).
  int RowCount() const { return strings_.Count() + 1; }
  // The key of a row; "" for row 0 or out of range.
  std::string Keys(int row) const;
  void SetKeys(int row, const std::string& key);
  // The value under key (first match, letter case ignored), or "".
  std::string Values(const std::string& key) const { return strings_.Values(key); }
  void SetValues(const std::string& key, const std::string& value);
  // Appends (or inserts first) a row and returns its row number.
  int InsertRow(const std::string& key, const std::string& value, bool append);
  void DeleteRow(int row);
  // The row of key, or false when there is none.
  bool FindRow(const std::string& key, int& row) const;
  // The user clicks the cell at col, row: OnSelectCell may refuse it. True when selected.
  bool SelectCell(int col, int row);
  // The selected row (1-based), 1 until the user selects another.
  int Row() const { return row_; }

  std::function<void(TObject* sender, int col, int row, bool& can_select)> OnSelectCell;

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  TStringList strings_;
  TStringList titles_;
  int row_ = 1;
};

}  // namespace platform
