// The standard controls: label, edit, memo, buttons, check box, radio button, group box,
// combo box and list box. Each keeps its values in the property bag, so the host's form
// files and the add-in's code see the same values.
#pragma once

#include <cstdint>
#include <string>

#include "platform/component.h"
#include "platform/forms.h"
#include "platform/strings.h"

namespace platform {

class TCustomLabel : public TControl {
 public:
  explicit TCustomLabel(const TClassInfo* cls = nullptr);

  // The control that gets the focus when the label's accelerator is pressed, or nullptr.
  TWinControl* FocusControl() const;
  void SetFocusControl(TWinControl* control);
  bool WordWrap() const { return GetPropValue("WordWrap").AsBoolean(); }
  void SetWordWrap(bool v) { SetPropValue("WordWrap", v); }
  int32_t FontColor() const;
  void SetFontColor(int32_t color);

  TNotifyEvent OnMouseEnter;  // the mouse moved onto the label
  TNotifyEvent OnMouseLeave;
  // The user moves the mouse onto the label, or away from it.
  void MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
  }
  void MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
  }
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(const TClassInfo* cls = nullptr);
};

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(const TClassInfo* cls = nullptr);

  virtual std::string Text() const { return GetPropValue("Text").AsString(); }
  // Changing the text runs OnChange, whoever changes it.
  virtual void SetText(const std::string& text) { SetPropValue("Text", text); }
  bool ReadOnly() const { return GetPropValue("ReadOnly").AsBoolean(); }
  void SetReadOnly(bool v) { SetPropValue("ReadOnly", v); }
  void Clear() { SetText(""); }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

  TNotifyEvent OnChange;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(const TClassInfo* cls = nullptr);
};

// Memo and rich edit: the text is Lines, one entry per line.
class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(const TClassInfo* cls = nullptr);

  TStrings& Lines() { return lines_; }
  const TStrings& Lines() const { return lines_; }
  std::string Text() const override { return lines_.Text(); }
  void SetText(const std::string& text) override;

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  TStringList lines_;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(const TClassInfo* cls = nullptr);
};

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(const TClassInfo* cls = nullptr);
};

// A push button; a click sets the modal result of its form to the button's ModalResult
// (closing a modal window when it is not mrNone), then runs OnClick.
class TButton : public TButtonControl {
 public:
  explicit TButton(const TClassInfo* cls = nullptr);

  TModalResult ModalResult() const { return GetPropValue("ModalResult").AsInteger(); }
  void SetModalResult(TModalResult v) { SetPropValue("ModalResult", v); }
  // The button the Enter key clicks.
  bool Default() const { return GetPropValue("Default").AsBoolean(); }
  void SetDefault(bool v) { SetPropValue("Default", v); }
  // The button the Esc key clicks.
  bool Cancel() const { return GetPropValue("Cancel").AsBoolean(); }
  void SetCancel(bool v) { SetPropValue("Cancel", v); }

  void Click() override;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box; Checked and State agree. A change of state runs OnClick, as on the
// platform, whether the user or the program changed it.
class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(const TClassInfo* cls = nullptr);

  bool Checked() const { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  // A click toggles the check mark (and so runs OnClick once).
  void Click() override;

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(const TClassInfo* cls = nullptr);
};

// A radio button: checking it unchecks the other radio buttons of the same parent.
class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(const TClassInfo* cls = nullptr);

  bool Checked() const { return GetPropValue("Checked").AsBoolean(); }
  void SetChecked(bool v) { SetPropValue("Checked", v); }
  void Click() override;

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
};

class TCustomGroupBox : public TWinControl {
 public:
  explicit TCustomGroupBox(const TClassInfo* cls = nullptr);
  // The caption strip at the top is not part of the area children align in.
  void GetClientRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height) const override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(const TClassInfo* cls = nullptr);
};

// A combo box: Items, ItemIndex and Text. In csDropDownList style the text is always the
// selected item (or empty); in csDropDown the user may type any text.
class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(const TClassInfo* cls = nullptr);

  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int32_t ItemIndex() const { return GetPropValue("ItemIndex").AsInteger(); }
  // -1, or an index outside the items, selects nothing, as the platform's combo box does.
  void SetItemIndex(int32_t index) { SetPropValue("ItemIndex", index); }
  std::string Text() const { return GetPropValue("Text").AsString(); }
  void SetText(const std::string& text) { SetPropValue("Text", text); }
  // "csDropDown" or "csDropDownList" (also csSimple, csOwnerDrawFixed ...).
  std::string Style() const { return GetPropValue("Style").AsString(); }
  void SetStyle(const std::string& v) { SetPropValue("Style", v); }
  bool IsDropDownList() const;
  // The user picks item index from the list: selects it and runs OnChange and OnClick.
  void Select(int32_t index);
  void Clear();

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

  TNotifyEvent OnChange;

 private:
  void ItemsChanged();
  TStringList items_;
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(const TClassInfo* cls = nullptr);
};

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(const TClassInfo* cls = nullptr);

  TStringList& Items() { return items_; }
  const TStringList& Items() const { return items_; }
  // The selected item, -1 for none; not stored in form files.
  int32_t ItemIndex() const { return item_index_; }
  void SetItemIndex(int32_t index);

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  TStringList items_;
  int32_t item_index_ = -1;
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(const TClassInfo* cls = nullptr);
};

}  // namespace platform
