// Layout of aligned children: how a parent gives its top, bottom, left, right and client
// aligned children their places.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/component.h"

namespace platform {

namespace {

enum class Side { None, Top, Bottom, Left, Right, Client };

Side AlignOf(const TControl& control) {
  const std::string align = control.GetPropValue("Align").AsString();
  if (SameTextAscii(align, "alTop")) return Side::Top;
  if (SameTextAscii(align, "alBottom")) return Side::Bottom;
  if (SameTextAscii(align, "alLeft")) return Side::Left;
  if (SameTextAscii(align, "alRight")) return Side::Right;
  if (SameTextAscii(align, "alClient")) return Side::Client;
  return Side::None;
}

// Writes only what changes, so a laid-out control loaded from a form file keeps its
// stored properties as they were.
void Place(TControl& c, int32_t left, int32_t top, int32_t width, int32_t height) {
  if (c.Left() != left) c.SetLeft(left);
  if (c.Top() != top) c.SetTop(top);
  if (c.Width() != width) c.SetWidth(width);
  if (c.Height() != height) c.SetHeight(height);
}

}  // namespace

void TWinControl::GetClientRect(int32_t& left, int32_t& top, int32_t& width,
                                int32_t& height) const {
  left = 0;
  top = 0;
  width = Width();
  height = Height();
}

void TWinControl::ControlChanged(TControl& child) {
  (void)child;
  if (LiveLayout()) Realign();
}

void TWinControl::Realign() {
  if (aligning_) return;
  // Moving a child reports back here; the flag keeps that from starting a second pass.
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
  } guard(aligning_);
  AlignControls();
}

void TWinControl::AlignControls() {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  GetClientRect(left, top, width, height);
  int32_t right = left + width;
  int32_t bottom = top + height;

  // Each side is laid out in the order the controls stand on it, ties in child order. The
  // controls are sorted to their sides in one pass: reading a control's alignment is a
  // property lookup.
  std::vector<std::pair<TControl*, Side>> aligned;
  for (TControl* c : controls_) {
    if (!c->Visible()) continue;
    if (const Side side = AlignOf(*c); side != Side::None) aligned.emplace_back(c, side);
  }
  auto placed = [&aligned](Side side) {
    std::vector<TControl*> list;
    for (const auto& [c, on] : aligned) {
      if (on == side) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [side](TControl* a, TControl* b) {
      switch (side) {
        case Side::Top:
          return a->Top() < b->Top();
        case Side::Bottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case Side::Left:
          return a->Left() < b->Left();
        case Side::Right:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    return list;
  };

  for (TControl* c : placed(Side::Top)) {
    const int32_t h = c->Height();
    Place(*c, left, top, std::max(0, right - left), h);
    top += h;
  }
  for (TControl* c : placed(Side::Bottom)) {
    const int32_t h = c->Height();
    bottom -= h;
    Place(*c, left, bottom, std::max(0, right - left), h);
  }
  for (TControl* c : placed(Side::Left)) {
    const int32_t w = c->Width();
    Place(*c, left, top, w, std::max(0, bottom - top));
    left += w;
  }
  for (TControl* c : placed(Side::Right)) {
    const int32_t w = c->Width();
    right -= w;
    Place(*c, right, top, w, std::max(0, bottom - top));
  }
  for (TControl* c : placed(Side::Client)) {
    Place(*c, left, top, std::max(0, right - left), std::max(0, bottom - top));
  }
}

}  // namespace platform
