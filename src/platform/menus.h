// Menus: menu items in a tree (Items, Parent, Insert, Find by caption), the main and
// pop-up menus, and the 16-bit shortcut codes with their texts ("Ctrl+Shift+F9").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/actions.h"
#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/graphics.h"

namespace platform {

// A menu item inserted twice, an index out of range, an item that is not a sub-item.
class EMenuError : public Exception {
 public:
  using Exception::Exception;
};

// A shortcut: the virtual key in the low byte, modifier flags in the high byte.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// "Alt+A" for 32833, "Ctrl+Shift+F9", "" for no shortcut or a key without a name.
std::string ShortCutToText(TShortCut shortcut);
// The inverse, modifiers in any order, letter case ignored; 0 when not understood.
TShortCut TextToShortCut(std::string_view text);
// The caption without its accelerator markers ("&&" stays a literal "&").
std::string StripHotkey(std::string_view caption);

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(const TClassInfo* cls = nullptr);
  ~TMenuItem() override;

  std::string Caption() const { return GetPropValue("Caption").AsString(); }
  void SetCaption(const std::string& v) { SetPropValue("Caption", v); }
  std::string Hint() const { return GetPropValue("Hint").AsString(); }
  void SetHint(const std::string& v) { SetPropValue("Hint", v); }
  TShortCut ShortCut() const {
    return static_cast<TShortCut>(GetPropValue("ShortCut").AsInteger());
  }
  void SetShortCut(TShortCut v) { SetPropValue("ShortCut", static_cast<int32_t>(v)); }
  int32_t ImageIndex() const { return GetPropValue("ImageIndex").AsInteger(); }
  void SetImageIndex(int32_t v) { SetPropValue("ImageIndex", v); }
  bool Checked() const { return GetPropValue("Checked").AsBoolean(); }
  void SetChecked(bool v) { SetPropValue("Checked", v); }
  bool Enabled() const { return GetPropValue("Enabled").AsBoolean(); }
  void SetEnabled(bool v) { SetPropValue("Enabled", v); }
  bool Visible() const { return GetPropValue("Visible").AsBoolean(); }
  void SetVisible(bool v) { SetPropValue("Visible", v); }
  // A separator: its caption is "-".
  bool IsLine() const { return Caption() == "-"; }
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }

  // The action the item runs when it has no OnClick, found by name among the components
  // of the item's owners (nearest first), or nullptr.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EMenuError outside 0..Count-1.
  TMenuItem* Items(int index) const;
  TMenuItem* operator[](int index) const { return Items(index); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  // Inserts item before index (Count appends); EMenuError when the item already has a
  // parent, is this item or one of its parents, or the index is out of range.
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  // Takes the sub-item out (it is not freed); EMenuError when it is not a sub-item.
  void Remove(TMenuItem* item);
  // Takes the sub-item at index out (it is not freed).
  void Delete(int index);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  // The first sub-item whose caption equals caption with accelerator markers removed
  // and letter case ignored, or nullptr.
  TMenuItem* Find(std::string_view caption) const;

  // A click: an enabled item runs OnClick, or else its action.
  void Click();
  TNotifyEvent OnClick;

  // Parent links, no item twice, no cycles; fills err.
  bool CheckMenu(std::string* err) const;

 private:
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  TBitmap bitmap_;
};

// A menu: its top-level items hang under Items, an unnamed item the menu holds itself.
class TCustomImageList;

class TMenu : public TComponent {
 public:
  explicit TMenu(const TClassInfo* cls = nullptr);
  TMenuItem* Items() const { return items_.get(); }
  // The pictures the items' ImageIndex points into, among the owner's components; nullptr
  // when none is set or it is gone.
  TCustomImageList* Images() const;
  void SetImages(TCustomImageList* images);
  // The item anywhere in the menu whose shortcut is shortcut, or nullptr.
  TMenuItem* FindItemByShortCut(TShortCut shortcut) const;

 private:
  std::unique_ptr<TMenuItem> items_;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(const TClassInfo* cls = nullptr);
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(const TClassInfo* cls = nullptr);
  // Shows the menu at a screen point: runs OnPopup.
  void Popup(int32_t x, int32_t y);
  TNotifyEvent OnPopup;
};

}  // namespace platform
