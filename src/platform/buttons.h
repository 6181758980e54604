// Buttons with pictures: the bit button (whose kind gives its caption and modal result)
// and the speed button.
#pragma once

#include <string>

#include "platform/graphics.h"
#include "platform/std_controls.h"

namespace platform {

// bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll.
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(const TClassInfo* cls = nullptr);

  std::string Kind() const { return GetPropValue("Kind").AsString(); }
  // A kind other than bkCustom sets the caption, the modal result and whether the button
  // is the default or the cancel button, as the platform does.
  void SetKind(const std::string& kind) { SetPropValue("Kind", kind); }
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }

  // A bkClose button closes its form.
  void Click() override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  TBitmap glyph_;
};

// A flat tool button without focus; with a GroupIndex it stays down until another of its
// group is pressed.
class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(const TClassInfo* cls = nullptr);

  bool Down() const { return GetPropValue("Down").AsBoolean(); }
  void SetDown(bool v) { SetPropValue("Down", v); }
  int32_t GroupIndex() const { return GetPropValue("GroupIndex").AsInteger(); }
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  void Click() override;

 private:
  TBitmap glyph_;
};

}  // namespace platform
