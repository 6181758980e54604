#include "platform/menus.h"

#include <algorithm>

#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/strings.h"

namespace platform {

namespace {

// The key names the platform's menus show (its MenuKeyCaps and the US key layout).
std::string KeyName(uint8_t key) {
  static constexpr const char* kNavigation[] = {"Space", "PgUp", "PgDn",  "End", "Home",
                                                "Left",  "Up",   "Right", "Down"};
  if (key == 0x08) return "BkSp";
  if (key == 0x09) return "Tab";
  if (key == 0x0D) return "Enter";
  if (key == 0x1B) return "Esc";
  if (key >= 0x20 && key <= 0x28) return kNavigation[key - 0x20];
  if (key == 0x2D) return "Ins";
  if (key == 0x2E) return "Del";
  if (key >= 0x30 && key <= 0x39) return std::string(1, static_cast<char>(key));
  if (key >= 0x41 && key <= 0x5A) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69)
    return "Num " + std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  switch (key) {
    case 0x6A:
      return "Num *";
    case 0x6B:
      return "Num +";
    case 0x6D:
      return "Num -";
    case 0x6E:
      return "Num Del";
    case 0x6F:
      return "Num /";
    case 0xBA:
      return ";";
    case 0xBB:
      return "=";
    case 0xBC:
      return ",";
    case 0xBD:
      return "-";
    case 0xBE:
      return ".";
    case 0xBF:
      return "/";
    case 0xC0:
      return "`";
    case 0xDB:
      return "[";
    case 0xDC:
      return "\\";
    case 0xDD:
      return "]";
    case 0xDE:
      return "'";
    default:
      return {};
  }
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextAscii(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string ShortCutToText(TShortCut shortcut) {
  const std::string name = KeyName(static_cast<uint8_t>(shortcut & 0xFF));
  if (name.empty()) return {};
  std::string text;
  if ((shortcut & scShift) != 0) text += "Shift+";
  if ((shortcut & scCtrl) != 0) text += "Ctrl+";
  if ((shortcut & scAlt) != 0) text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut modifiers = 0;
  for (;;) {
    if (StartsWithIgnoringCase(text, "Shift+")) {
      modifiers |= scShift;
      text.remove_prefix(6);
    } else if (StartsWithIgnoringCase(text, "Ctrl+")) {
      modifiers |= scCtrl;
      text.remove_prefix(5);
    } else if (StartsWithIgnoringCase(text, "Alt+")) {
      modifiers |= scAlt;
      text.remove_prefix(4);
    } else {
      break;
    }
  }
  if (text.empty()) return 0;
  for (int key = 0x08; key <= 0xFF; ++key) {
    const std::string name = KeyName(static_cast<uint8_t>(key));
    if (!name.empty() && SameTextAscii(name, text)) {
      return static_cast<TShortCut>(modifiers | key);
    }
  }
  return 0;
}

std::string StripHotkey(std::string_view caption) {
  std::string result;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        result += '&';
        ++i;
      }
      continue;
    }
    result += caption[i];
  }
  return result;
}

// --- TMenuItem ------------------------------------------------------------------------

TMenuItem::TMenuItem(const TClassInfo* cls) : TComponent(ClassOr(cls, "TMenuItem")) {}

TMenuItem::~TMenuItem() {
  // Sub-items are only detached: whoever owns them frees them.
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  items_.clear();
  if (parent_ != nullptr) std::erase(parent_->items_, this);
}

TBasicAction* TMenuItem::Action() const {
  const std::string name = GetPropValue("Action").AsString();
  if (name.empty()) return nullptr;
  for (const TComponent* owner = Owner(); owner != nullptr; owner = owner->Owner()) {
    if (auto* action = dynamic_cast<TBasicAction*>(owner->FindComponent(name))) return action;
  }
  return nullptr;
}

void TMenuItem::SetAction(TBasicAction* action) {
  SetPropValue("Action", action != nullptr ? action->Name() : std::string());
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
  }
  return items_[index];
}

int TMenuItem::MenuIndex() const {
  return parent_ != nullptr ? parent_->IndexOf(this) : -1;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) throw EMenuError("Menu item is none");
  if (item->parent_ != nullptr) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p != nullptr; p = p->parent_) {
    if (p == item) throw EMenuError("Menu item would contain itself");
  }
  if (index < 0 || index > Count()) {
    throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
  }
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) throw EMenuError("Sub-menu is not in menu");
  Delete(index);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  const std::string wanted = StripHotkey(caption);
  for (TMenuItem* item : items_) {
    if (SameTextUnicode(StripHotkey(item->Caption()), wanted)) return item;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (!Enabled()) return;
  if (GetPropValue("AutoCheck").AsBoolean()) SetChecked(!Checked());
  if (OnClick) {
    OnClick(this);
  } else if (TBasicAction* action = Action()) {
    action->Execute();
  }
}

bool TMenuItem::CheckMenu(std::string* err) const {
  std::vector<const TMenuItem*> seen;
  for (const TMenuItem* item : items_) {
    if (item->parent_ != this) {
      if (err != nullptr) *err = item->Name() + ": parent link broken";
      return false;
    }
    if (std::count(items_.begin(), items_.end(), item) != 1) {
      if (err != nullptr) *err = item->Name() + ": listed twice under " + Name();
      return false;
    }
    if (!item->CheckMenu(err)) return false;
  }
  for (const TMenuItem* p = parent_; p != nullptr; p = p->parent_) {
    if (p == this) {
      if (err != nullptr) *err = Name() + ": menu cycle";
      return false;
    }
  }
  return true;
}

// --- Menus ----------------------------------------------------------------------------

TMenu::TMenu(const TClassInfo* cls)
    : TComponent(ClassOr(cls, "TMenu")), items_(std::make_unique<TMenuItem>()) {}

namespace {

TMenuItem* FindShortCut(const TMenuItem& parent, TShortCut shortcut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (item->ShortCut() == shortcut) return item;
    if (TMenuItem* found = FindShortCut(*item, shortcut)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortcut) const {
  if (shortcut == 0) return nullptr;
  return FindShortCut(*items_, shortcut);
}

TCustomImageList* TMenu::Images() const {
  return dynamic_cast<TCustomImageList*>(GetComponentRef("Images"));
}

void TMenu::SetImages(TCustomImageList* images) {
  SetPropValue("Images", images != nullptr ? images->Name() : std::string());
}

TMainMenu::TMainMenu(const TClassInfo* cls) : TMenu(ClassOr(cls, "TMainMenu")) {}

TPopupMenu::TPopupMenu(const TClassInfo* cls) : TMenu(ClassOr(cls, "TPopupMenu")) {}

void TPopupMenu::Popup(int32_t x, int32_t y) {
  (void)x;
  (void)y;
  if (OnPopup) OnPopup(this);
}

}  // namespace platform
