// The common controls: page control and tab sheets, hot key, spin edit, progress bar,
// tool bar and tool buttons, rich edit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/menus.h"
#include "platform/std_controls.h"

namespace platform {

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(const TClassInfo* cls = nullptr);

  // The page control the sheet stands on (its parent), or nullptr.
  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* control);
  // Position among the page control's pages; -1 without one. Setting moves the page.
  int PageIndex() const;
  void SetPageIndex(int index);
  bool TabVisible() const { return GetPropValue("TabVisible").AsBoolean(); }
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(const TClassInfo* cls = nullptr);

  int PageCount() const;
  // Raises std::out_of_range outside 0..PageCount-1.
  TTabSheet* Pages(int index) const;
  // The page shown, or nullptr.
  TTabSheet* ActivePage() const;
  // Shows that page (nullptr: none) and hides the others; no events, as on the platform.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The user clicks a tab: OnChanging may refuse; then the page shows and OnChange runs.
  void SelectPage(TTabSheet* page);

  std::function<void(TObject* sender, bool& allow)> OnChanging;
  TNotifyEvent OnChange;

 private:
  friend class TTabSheet;
  void SyncPages() const;
  mutable std::vector<TTabSheet*> pages_;  // order of the pages; children not in it follow
};

// A hot-key field: HotKey is the 16-bit shortcut code (32833 is Alt+A).
class TCustomHotKey : public TWinControl {
 public:
  explicit TCustomHotKey(const TClassInfo* cls = nullptr);

  TShortCut HotKey() const { return static_cast<TShortCut>(GetPropValue("HotKey").AsInteger()); }
  void SetHotKey(TShortCut v) { SetPropValue("HotKey", static_cast<int32_t>(v)); }
  // The user presses a key combination: a combination the control refuses (InvalidKeys:
  // hcNone a plain key, hcShift Shift alone ...) gets the default Modifiers instead.
  void UserPress(TShortCut shortcut);

  TNotifyEvent OnChange;
};

class THotKey : public TCustomHotKey {
 public:
  explicit THotKey(const TClassInfo* cls = nullptr);
};

// A number field with up and down buttons; MinValue = MaxValue means no limits.
class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(const TClassInfo* cls = nullptr);

  int32_t Value() const { return GetPropValue("Value").AsInteger(); }
  void SetValue(int32_t v) { SetPropValue("Value", v); }
  int32_t MinValue() const { return GetPropValue("MinValue").AsInteger(); }
  int32_t MaxValue() const { return GetPropValue("MaxValue").AsInteger(); }
  void SetMinValue(int32_t v) { SetPropValue("MinValue", v); }
  void SetMaxValue(int32_t v) { SetPropValue("MaxValue", v); }
  // The text as typed; Value reads MinValue while it is empty or no number, as the
  // platform's spin edit does, so a window can tell a typed 0 from no number at all.
  std::string Text() const override { return GetPropValue("Text").AsString(); }
  void SetText(const std::string& text) override { SetPropValue("Text", text); }

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  int32_t CheckValue(int32_t value) const;
  std::optional<std::string> typed_;  // set while the text is not the value's own
};

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(const TClassInfo* cls = nullptr);

  int32_t Min() const { return GetPropValue("Min").AsInteger(); }
  int32_t Max() const { return GetPropValue("Max").AsInteger(); }
  int32_t Position() const { return GetPropValue("Position").AsInteger(); }
  void SetMin(int32_t v) { SetPropValue("Min", v); }
  void SetMax(int32_t v) { SetPropValue("Max", v); }
  // Kept within Min..Max.
  void SetPosition(int32_t v) { SetPropValue("Position", v); }
  void StepIt() { SetPosition(Position() + GetPropValue("Step").AsInteger()); }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
};

// A tool bar lays its buttons out left to right, ButtonWidth by ButtonHeight.
class TToolBar : public TWinControl {
 public:
  explicit TToolBar(const TClassInfo* cls = nullptr);
  void Realign() override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
};

class TToolButton : public TControl {
 public:
  explicit TToolButton(const TClassInfo* cls = nullptr);

  int32_t ImageIndex() const { return GetPropValue("ImageIndex").AsInteger(); }
  void SetImageIndex(int32_t v) { SetPropValue("ImageIndex", v); }
  bool Down() const { return GetPropValue("Down").AsBoolean(); }
  void SetDown(bool v) { SetPropValue("Down", v); }
  // tbsButton, tbsCheck (a click toggles Down), tbsSeparator, tbsDivider, tbsDropDown.
  std::string Style() const { return GetPropValue("Style").AsString(); }
  void Click() override;
};

// One entry of a combo box with pictures.
struct TComboExItem {
  std::string caption;
  int32_t image_index = -1;
  int32_t selected_image_index = -1;
  int32_t overlay_image_index = -1;
  int32_t indent = 0;
};

// A drop-down whose entries carry pictures of an image list (Style csExDropDownList for
// a list without free text). Entries are added with AddItem; Items() holds their
// captions, ItemIndex the selected entry.
class TComboBoxEx : public TCustomComboBox {
 public:
  explicit TComboBoxEx(const TClassInfo* cls = nullptr);

  int ItemCount() const { return static_cast<int>(entries_.size()); }
  // The entry at index; std::out_of_range outside 0..ItemCount-1.
  const TComboExItem& ItemsEx(int index) const { return entries_.at(index); }
  // Appends an entry and returns its index.
  int AddItem(const TComboExItem& item);
  void ClearItems();

 private:
  std::vector<TComboExItem> entries_;
};

class TCustomRichEdit : public TCustomMemo {
 public:
  explicit TCustomRichEdit(const TClassInfo* cls = nullptr);
};

class TRichEdit : public TCustomRichEdit {
 public:
  explicit TRichEdit(const TClassInfo* cls = nullptr);
};

}  // namespace platform
