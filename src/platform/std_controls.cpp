#include "platform/std_controls.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/graphics.h"

namespace platform {

// --- Label ----------------------------------------------------------------------------

TCustomLabel::TCustomLabel(const TClassInfo* cls) : TControl(ClassOr(cls, "TCustomLabel")) {}

TWinControl* TCustomLabel::FocusControl() const {
  return dynamic_cast<TWinControl*>(GetComponentRef("FocusControl"));
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  SetPropValue("FocusControl", control != nullptr ? control->Name() : std::string());
}

int32_t TCustomLabel::FontColor() const {
  return StringToColor(GetPropValue("Font.Color").AsString());
}

void TCustomLabel::SetFontColor(int32_t color) {
  SetPropValue("Font.Color", ColorToString(color));
}

TLabel::TLabel(const TClassInfo* cls) : TCustomLabel(ClassOr(cls, "TLabel")) {}

// --- Edits ----------------------------------------------------------------------------

TCustomEdit::TCustomEdit(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TCustomEdit")) {}

void TCustomEdit::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text")) {
    const std::string before = GetPropValue("Text").AsString();
    TWinControl::SetPropValue(name, value, strict);
    if (GetPropValue("Text").AsString() != before && OnChange) OnChange(this);
    return;
  }
  TWinControl::SetPropValue(name, value, strict);
}

TEdit::TEdit(const TClassInfo* cls) : TCustomEdit(ClassOr(cls, "TEdit")) {}

TCustomMemo::TCustomMemo(const TClassInfo* cls) : TCustomEdit(ClassOr(cls, "TCustomMemo")) {
  lines_.OnChange = [this](TStrings& lines) {
    TComponent::SetPropValue("Lines", lines.Text(), false);
    if (OnChange) OnChange(this);
  };
}

void TCustomMemo::SetText(const std::string& text) {
  lines_.SetText(text);
}

Variant TCustomMemo::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Text")) return lines_.Text();
  return TCustomEdit::GetPropValue(name);
}

void TCustomMemo::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text") || SameTextAscii(name, "Lines")) {
    lines_.SetText(value.AsString());
    return;
  }
  TCustomEdit::SetPropValue(name, value, strict);
}

TMemo::TMemo(const TClassInfo* cls) : TCustomMemo(ClassOr(cls, "TMemo")) {}

// --- Buttons --------------------------------------------------------------------------

TButtonControl::TButtonControl(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TButtonControl")) {}

TButton::TButton(const TClassInfo* cls) : TButtonControl(ClassOr(cls, "TButton")) {}

void TButton::Click() {
  // The form's result is set before OnClick, so a handler may still keep the window open
  // by setting it back to mrNone.
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult());
  TButtonControl::Click();
}

// --- Check box ------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(const TClassInfo* cls)
    : TButtonControl(ClassOr(cls, "TCustomCheckBox")) {}

TCheckBoxState TCustomCheckBox::State() const {
  const std::string state = GetPropValue("State").AsString();
  if (SameTextAscii(state, "cbChecked")) return TCheckBoxState::cbChecked;
  if (SameTextAscii(state, "cbGrayed")) return TCheckBoxState::cbGrayed;
  return TCheckBoxState::cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  static constexpr const char* kNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
  SetPropValue("State", kNames[static_cast<int>(state)]);
}

void TCustomCheckBox::Click() {
  // Toggling changes the state, and the state change runs OnClick.
  SetChecked(!Checked());
}

void TCustomCheckBox::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  const bool is_checked = SameTextAscii(name, "Checked");
  const bool is_state = SameTextAscii(name, "State");
  if (!is_checked && !is_state) {
    TButtonControl::SetPropValue(name, value, strict);
    return;
  }
  const TCheckBoxState before = State();
  std::string state;
  if (is_checked) {
    state = value.AsBoolean() ? "cbChecked" : "cbUnchecked";
  } else {
    state = value.AsString();
    if (!SameTextAscii(state, "cbChecked") && !SameTextAscii(state, "cbGrayed") &&
        !SameTextAscii(state, "cbUnchecked")) {
      throw EConvertError("'" + state + "' is not a valid check box state");
    }
  }
  TComponent::SetPropValue("State", state, strict);
  TComponent::SetPropValue("Checked", SameTextAscii(state, "cbChecked"), strict);
  if (State() != before) TButtonControl::Click();
}

TCheckBox::TCheckBox(const TClassInfo* cls) : TCustomCheckBox(ClassOr(cls, "TCheckBox")) {}

// --- Radio button ---------------------------------------------------------------------

TRadioButton::TRadioButton(const TClassInfo* cls) : TButtonControl(ClassOr(cls, "TRadioButton")) {}

void TRadioButton::Click() {
  if (!Checked()) {
    SetChecked(true);  // runs OnClick
  } else {
    TButtonControl::Click();
  }
}

void TRadioButton::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (!SameTextAscii(name, "Checked")) {
    TButtonControl::SetPropValue(name, value, strict);
    return;
  }
  const bool before = Checked();
  const bool now = value.AsBoolean();
  TButtonControl::SetPropValue(name, now, strict);
  if (now && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other != nullptr && other != this && other->Checked()) other->SetChecked(false);
    }
  }
  if (now != before) TButtonControl::Click();
}

// --- Group box ------------------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TCustomGroupBox")) {}

void TCustomGroupBox::GetClientRect(int32_t& left, int32_t& top, int32_t& width,
                                    int32_t& height) const {
  // The platform's group box: a 2-pixel frame and a caption strip of one text line.
  constexpr int32_t kFrame = 2;
  constexpr int32_t kCaption = 15;
  left = kFrame;
  top = kCaption;
  width = std::max(0, Width() - 2 * kFrame);
  height = std::max(0, Height() - kCaption - kFrame);
}

TGroupBox::TGroupBox(const TClassInfo* cls) : TCustomGroupBox(ClassOr(cls, "TGroupBox")) {}

// --- Combo box ------------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TCustomComboBox")) {
  items_.OnChange = [this](TStrings&) { ItemsChanged(); };
}

void TCustomComboBox::ItemsChanged() {
  TComponent::SetPropValue("Items", items_.Text(), false);
  const int32_t index = ItemIndex();
  if (index >= items_.Count()) TComponent::SetPropValue("ItemIndex", -1);
  if (IsDropDownList()) {
    const int32_t now = ItemIndex();
    TComponent::SetPropValue("Text", now >= 0 ? items_.Get(now) : std::string());
  }
}

bool TCustomComboBox::IsDropDownList() const {
  return SameTextAscii(Style(), "csDropDownList") || SameTextAscii(Style(), "csExDropDownList") ||
         SameTextAscii(Style(), "csOwnerDrawFixed") ||
         SameTextAscii(Style(), "csOwnerDrawVariable");
}

void TCustomComboBox::Select(int32_t index) {
  SetItemIndex(index);
  if (OnChange) OnChange(this);
  TWinControl::Click();
}

void TCustomComboBox::Clear() {
  items_.Clear();
  TComponent::SetPropValue("ItemIndex", -1);
  TComponent::SetPropValue("Text", std::string());
}

Variant TCustomComboBox::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Text") && IsDropDownList()) {
    const int32_t index = ItemIndex();
    return index >= 0 && index < items_.Count() ? items_.Get(index) : std::string();
  }
  return TWinControl::GetPropValue(name);
}

void TCustomComboBox::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Items")) {
    items_.SetText(value.AsString());
    return;
  }
  if (SameTextAscii(name, "Sorted")) items_.SetSorted(value.AsBoolean());
  if (SameTextAscii(name, "ItemIndex")) {
    int32_t index = value.AsInteger();
    if (index < -1 || index >= items_.Count()) index = -1;
    TWinControl::SetPropValue(name, index, strict);
    // Selecting an item shows it; selecting nothing leaves a typed text only in a
    // drop-down with free text.
    if (index >= 0) {
      TComponent::SetPropValue("Text", items_.Get(index));
    } else if (IsDropDownList()) {
      TComponent::SetPropValue("Text", std::string());
    }
    return;
  }
  if (SameTextAscii(name, "Text")) {
    const std::string text = value.AsString();
    const int32_t match = items_.IndexOf(text);
    if (IsDropDownList()) {
      // Only an item can be shown: the text selects it, or nothing when it is none.
      TWinControl::SetPropValue("ItemIndex", match, strict);
      TComponent::SetPropValue("Text", match >= 0 ? items_.Get(match) : std::string());
    } else {
      TComponent::SetPropValue("Text", text);
      TWinControl::SetPropValue("ItemIndex", match, strict);
    }
    return;
  }
  TWinControl::SetPropValue(name, value, strict);
}

TComboBox::TComboBox(const TClassInfo* cls) : TCustomComboBox(ClassOr(cls, "TComboBox")) {}

// --- List box -------------------------------------------------------------------------

TCustomListBox::TCustomListBox(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TCustomListBox")) {
  items_.OnChange = [this](TStrings& items) {
    TComponent::SetPropValue("Items", items.Text(), false);
    if (item_index_ >= items.Count()) item_index_ = -1;
  };
}

void TCustomListBox::SetItemIndex(int32_t index) {
  item_index_ = index >= 0 && index < items_.Count() ? index : -1;
}

Variant TCustomListBox::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "ItemIndex")) return item_index_;
  return TWinControl::GetPropValue(name);
}

void TCustomListBox::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Items")) {
    items_.SetText(value.AsString());
    return;
  }
  if (SameTextAscii(name, "ItemIndex")) {
    SetItemIndex(value.AsInteger());
    return;
  }
  if (SameTextAscii(name, "Sorted")) items_.SetSorted(value.AsBoolean());
  TWinControl::SetPropValue(name, value, strict);
}

TListBox::TListBox(const TClassInfo* cls) : TCustomListBox(ClassOr(cls, "TListBox")) {}

}  // namespace platform
