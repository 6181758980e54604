// Building a window's controls in code, as the form designer would have streamed them: a
// control made by its owner, named, in its parent, at its bounds; a label that names the
// control it focuses.
#pragma once

#include <cstdint>

#include "platform/component.h"
#include "platform/std_controls.h"

namespace core {

template <class T>
T* Place(platform::TComponent& owner, platform::TWinControl* parent, const char* name, int32_t left,
         int32_t top, int32_t width, int32_t height) {
  T* control = platform::TComponent::Create<T>(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

inline platform::TLabel* LabelFor(platform::TComponent& owner, platform::TWinControl* parent,
                                  const char* name, int32_t left, int32_t top, const char* text,
                                  platform::TWinControl* focus) {
  auto* label = Place<platform::TLabel>(owner, parent, name, left, top, 120, 13);
  label->SetCaption(text);
  label->SetFocusControl(focus);
  return label;
}

}  // namespace core
