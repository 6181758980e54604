#include "platform/ext_controls.h"

#include <algorithm>

namespace platform {

TCustomPanel::TCustomPanel(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TCustomPanel")) {}

void TCustomPanel::GetClientRect(int32_t& left, int32_t& top, int32_t& width,
                                 int32_t& height) const {
  int32_t inset = GetPropValue("BorderWidth").AsInteger();
  const int32_t bevel = GetPropValue("BevelWidth").AsInteger();
  if (!SameTextAscii(GetPropValue("BevelOuter").AsString(), "bvNone")) inset += bevel;
  if (!SameTextAscii(GetPropValue("BevelInner").AsString(), "bvNone")) inset += bevel;
  if (SameTextAscii(GetPropValue("BorderStyle").AsString(), "bsSingle")) inset += 1;
  left = inset;
  top = inset;
  width = std::max(0, Width() - 2 * inset);
  height = std::max(0, Height() - 2 * inset);
}

TPanel::TPanel(const TClassInfo* cls) : TCustomPanel(ClassOr(cls, "TPanel")) {}

TCustomRadioGroup::TCustomRadioGroup(const TClassInfo* cls)
    : TCustomGroupBox(ClassOr(cls, "TCustomRadioGroup")) {
  items_.OnChange = [this](TStrings& items) {
    TComponent::SetPropValue("Items", items.Text(), false);
    // Items removed under the checked one leave the group with nothing checked.
    if (ItemIndex() >= items.Count()) TComponent::SetPropValue("ItemIndex", -1);
  };
}

void TCustomRadioGroup::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Items")) {
    items_.SetText(value.AsString());
    return;
  }
  if (SameTextAscii(name, "ItemIndex")) {
    int32_t index = value.AsInteger();
    if (index < -1 || index >= items_.Count()) index = -1;
    const int32_t before = ItemIndex();
    TCustomGroupBox::SetPropValue(name, index, strict);
    if (index != before) Click();
    return;
  }
  TCustomGroupBox::SetPropValue(name, value, strict);
}

TRadioGroup::TRadioGroup(const TClassInfo* cls) : TCustomRadioGroup(ClassOr(cls, "TRadioGroup")) {}

TImage::TImage(const TClassInfo* cls) : TControl(ClassOr(cls, "TImage")) {}

TBevel::TBevel(const TClassInfo* cls) : TControl(ClassOr(cls, "TBevel")) {}

TCheckListBox::TCheckListBox(const TClassInfo* cls)
    : TCustomListBox(ClassOr(cls, "TCheckListBox")) {}

void TCheckListBox::ClickCheck(int index) {
  SetChecked(index, !Checked(index));
  if (OnClickCheck) OnClickCheck(this);
}

}  // namespace platform
