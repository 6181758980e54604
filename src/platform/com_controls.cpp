#include "platform/com_controls.h"

#include <algorithm>
#include <stdexcept>

#include "platform/forms.h"

namespace platform {

// --- Tab sheet ------------------------------------------------------------------------

TTabSheet::TTabSheet(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TTabSheet")) {}

TPageControl* TTabSheet::PageControl() const {
  return dynamic_cast<TPageControl*>(Parent());
}

void TTabSheet::SetPageControl(TPageControl* control) {
  SetParent(control);
}

int TTabSheet::PageIndex() const {
  TPageControl* pc = PageControl();
  if (pc == nullptr) return -1;
  pc->SyncPages();
  auto it = std::find(pc->pages_.begin(), pc->pages_.end(), this);
  return it == pc->pages_.end() ? -1 : static_cast<int>(it - pc->pages_.begin());
}

void TTabSheet::SetPageIndex(int index) {
  TPageControl* pc = PageControl();
  if (pc == nullptr) return;
  pc->SyncPages();
  std::erase(pc->pages_, this);
  index = std::clamp(index, 0, static_cast<int>(pc->pages_.size()));
  pc->pages_.insert(pc->pages_.begin() + index, this);
}

// --- Page control ---------------------------------------------------------------------

TPageControl::TPageControl(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TPageControl")) {}

void TPageControl::SyncPages() const {
  // Sheets that left keep no place; new sheets follow in child order.
  std::erase_if(pages_, [this](TTabSheet* page) {
    for (int i = 0; i < ControlCount(); ++i) {
      if (Controls(i) == page) return false;
    }
    return true;
  });
  for (int i = 0; i < ControlCount(); ++i) {
    auto* sheet = dynamic_cast<TTabSheet*>(Controls(i));
    if (sheet != nullptr && std::find(pages_.begin(), pages_.end(), sheet) == pages_.end()) {
      pages_.push_back(sheet);
    }
  }
}

int TPageControl::PageCount() const {
  SyncPages();
  return static_cast<int>(pages_.size());
}

TTabSheet* TPageControl::Pages(int index) const {
  SyncPages();
  return pages_.at(index);
}

TTabSheet* TPageControl::ActivePage() const {
  auto* page = dynamic_cast<TTabSheet*>(GetComponentRef("ActivePage"));
  return page != nullptr && page->Parent() == this ? page : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->Parent() != this) {
    throw EInvalidOperation("Tab sheet " + page->Name() + " is not on page control " + Name());
  }
  SetPropValue("ActivePage", page != nullptr ? page->Name() : std::string());
  SyncPages();
  for (TTabSheet* p : pages_) {
    if (p->Visible() != (p == page)) p->SetVisible(p == page);
  }
}

int TPageControl::ActivePageIndex() const {
  TTabSheet* page = ActivePage();
  return page != nullptr ? page->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

void TPageControl::SelectPage(TTabSheet* page) {
  if (page == ActivePage()) return;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  SetActivePage(page);
  if (OnChange) OnChange(this);
}

// --- Hot key --------------------------------------------------------------------------

TCustomHotKey::TCustomHotKey(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TCustomHotKey")) {}

void TCustomHotKey::UserPress(TShortCut shortcut) {
  const std::string invalid = GetPropValue("InvalidKeys").AsString();
  const std::string modifiers = GetPropValue("Modifiers").AsString();
  auto has = [](const std::string& set, const char* item) {
    // Set texts look like "[hcNone, hcShift]".
    const std::string needle = item;
    size_t pos = 0;
    while ((pos = set.find(needle, pos)) != std::string::npos) {
      const size_t end = pos + needle.size();
      if ((pos == 0 || set[pos - 1] == '[' || set[pos - 1] == ' ' || set[pos - 1] == ',') &&
          (end == set.size() || set[end] == ']' || set[end] == ',')) {
        return true;
      }
      pos = end;
    }
    return false;
  };
  const TShortCut mods = shortcut & (scShift | scCtrl | scAlt);
  bool refused = false;
  if (mods == 0) refused = has(invalid, "hcNone");
  if (mods == scShift) refused = has(invalid, "hcShift");
  if (mods == scCtrl) refused = has(invalid, "hcCtrl");
  if (mods == scAlt) refused = has(invalid, "hcAlt");
  if (mods == (scShift | scCtrl)) refused = has(invalid, "hcShiftCtrl");
  if (mods == (scShift | scAlt)) refused = has(invalid, "hcShiftAlt");
  if (mods == (scCtrl | scAlt)) refused = has(invalid, "hcCtrlAlt");
  if (mods == (scShift | scCtrl | scAlt)) refused = has(invalid, "hcShiftCtrlAlt");
  if (refused) {
    TShortCut replacement = 0;
    if (has(modifiers, "hkShift")) replacement |= scShift;
    if (has(modifiers, "hkCtrl")) replacement |= scCtrl;
    if (has(modifiers, "hkAlt")) replacement |= scAlt;
    shortcut = static_cast<TShortCut>((shortcut & 0x00FF) | replacement);
  }
  if (shortcut != HotKey()) {
    SetHotKey(shortcut);
    if (OnChange) OnChange(this);
  }
}

THotKey::THotKey(const TClassInfo* cls) : TCustomHotKey(ClassOr(cls, "THotKey")) {}

// --- Spin edit ------------------------------------------------------------------------

TSpinEdit::TSpinEdit(const TClassInfo* cls) : TCustomEdit(ClassOr(cls, "TSpinEdit")) {}

int32_t TSpinEdit::CheckValue(int32_t value) const {
  const int32_t lo = MinValue();
  const int32_t hi = MaxValue();
  if (lo == hi) return value;
  return std::clamp(value, std::min(lo, hi), std::max(lo, hi));
}

Variant TSpinEdit::GetPropValue(std::string_view name) const {
  if (SameTextAscii(name, "Text")) return typed_ ? *typed_ : std::to_string(Value());
  return TCustomEdit::GetPropValue(name);
}

void TSpinEdit::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Text")) {
    const std::string text = value.AsString();
    int32_t number = 0;
    const bool is_number = TryStrToInt(text, number);
    SetValue(is_number ? number : MinValue());
    if (!is_number) typed_ = text;
    return;
  }
  if (SameTextAscii(name, "Value")) {
    typed_.reset();
    const int32_t before = Value();
    const int32_t now = CheckValue(value.AsInteger());
    TCustomEdit::SetPropValue(name, now, strict);
    if (now != before && OnChange) OnChange(this);
    return;
  }
  TCustomEdit::SetPropValue(name, value, strict);
}

// --- Progress bar ---------------------------------------------------------------------

TProgressBar::TProgressBar(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TProgressBar")) {}

void TProgressBar::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Position")) {
    const int32_t lo = Min();
    const int32_t hi = std::max(Min(), Max());
    TWinControl::SetPropValue(name, std::clamp(value.AsInteger(), lo, hi), strict);
    return;
  }
  TWinControl::SetPropValue(name, value, strict);
}

// --- Tool bar -------------------------------------------------------------------------

TToolBar::TToolBar(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TToolBar")) {}

void TToolBar::Realign() {
  if (Aligning()) return;
  TWinControl::Realign();
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < ControlCount(); ++i) {
    auto* b = dynamic_cast<TToolButton*>(Controls(i));
    if (b != nullptr && b->Visible()) buttons.push_back(b);
  }
  std::stable_sort(buttons.begin(), buttons.end(),
                   [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
  const int32_t bw = GetPropValue("ButtonWidth").AsInteger();
  const int32_t bh = GetPropValue("ButtonHeight").AsInteger();
  int32_t x = 0;
  for (TToolButton* b : buttons) {
    const std::string style = b->Style();
    const bool separator =
        SameTextAscii(style, "tbsSeparator") || SameTextAscii(style, "tbsDivider");
    const int32_t w = separator ? (b->Width() > 0 ? b->Width() : 8) : bw;
    if (b->Left() != x) b->SetLeft(x);
    if (b->Top() != 0) b->SetTop(0);
    if (b->Width() != w) b->SetWidth(w);
    if (b->Height() != bh) b->SetHeight(bh);
    x += w;
  }
}

void TToolBar::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  TWinControl::SetPropValue(name, value, strict);
  if ((SameTextAscii(name, "ButtonWidth") || SameTextAscii(name, "ButtonHeight")) && LiveLayout()) {
    Realign();
  }
}

TToolButton::TToolButton(const TClassInfo* cls) : TControl(ClassOr(cls, "TToolButton")) {}

void TToolButton::Click() {
  if (SameTextAscii(Style(), "tbsCheck")) SetDown(!Down());
  TControl::Click();
}

// --- Combo box with pictures ----------------------------------------------------------

TComboBoxEx::TComboBoxEx(const TClassInfo* cls) : TCustomComboBox(ClassOr(cls, "TComboBoxEx")) {}

int TComboBoxEx::AddItem(const TComboExItem& item) {
  entries_.push_back(item);
  Items().Add(item.caption);
  return ItemCount() - 1;
}

void TComboBoxEx::ClearItems() {
  entries_.clear();
  Clear();
}

// --- Rich edit ------------------------------------------------------------------------

TCustomRichEdit::TCustomRichEdit(const TClassInfo* cls)
    : TCustomMemo(ClassOr(cls, "TCustomRichEdit")) {}

TRichEdit::TRichEdit(const TClassInfo* cls) : TCustomRichEdit(ClassOr(cls, "TRichEdit")) {}

}  // namespace platform
