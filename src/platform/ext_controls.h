// The additional controls: panel, radio group, image, bevel, check list box.
#pragma once

#include <cstdint>
#include <string>

#include "platform/component.h"
#include "platform/graphics.h"
#include "platform/std_controls.h"
#include "platform/strings.h"

namespace platform {

class TCustomPanel : public TWinControl {
 public:
  explicit TCustomPanel(const TClassInfo* cls = nullptr);
  // The border and the bevels are inside the panel; children align within them.
  void GetClientRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height) const override;

  TNotifyEvent OnDblClick;
  void DblClick() {
    if (OnDblClick) OnDblClick(this);
  }
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(const TClassInfo* cls = nullptr);
};

// A group of radio buttons, one per item; ItemIndex is the checked one (-1: none).
class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(const TClassInfo* cls = nullptr);

  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int32_t ItemIndex() const { return GetPropValue("ItemIndex").AsInteger(); }
  // An index outside the items selects nothing. A change runs OnClick.
  void SetItemIndex(int32_t index) { SetPropValue("ItemIndex", index); }
  int32_t Columns() const { return GetPropValue("Columns").AsInteger(); }
  void SetColumns(int32_t v) { SetPropValue("Columns", v); }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  TStringList items_;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  explicit TRadioGroup(const TClassInfo* cls = nullptr);
};

class TImage : public TControl {
 public:
  explicit TImage(const TClassInfo* cls = nullptr);
  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }

 private:
  TPicture picture_;
};

class TBevel : public TControl {
 public:
  explicit TBevel(const TClassInfo* cls = nullptr);
};

// A list box with a check box per item; the check marks move with their items.
class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(const TClassInfo* cls = nullptr);

  // Raises EStringListError for an index outside the items.
  bool Checked(int index) const { return Items().ItemState(index) != 0; }
  void SetChecked(int index, bool checked) { Items().SetItemState(index, checked ? 1 : 0); }
  // The user clicks an item's check box: toggles it and runs OnClickCheck.
  void ClickCheck(int index);

  TNotifyEvent OnClickCheck;
};

}  // namespace platform
