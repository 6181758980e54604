#include "platform/buttons.h"

#include <algorithm>
#include <array>

#include "platform/exceptions.h"
#include "platform/forms.h"

namespace platform {

namespace {

struct KindInfo {
  const char* kind;
  const char* caption;
  TModalResult result;
};

constexpr std::array<KindInfo, 10> kKinds = {{
    {"bkOK", "OK", mrOk},
    {"bkCancel", "Cancel", mrCancel},
    {"bkHelp", "&Help", mrNone},
    {"bkYes", "&Yes", mrYes},
    {"bkNo", "&No", mrNo},
    {"bkClose", "&Close", mrNone},
    {"bkAbort", "Abort", mrAbort},
    {"bkRetry", "&Retry", mrRetry},
    {"bkIgnore", "&Ignore", mrIgnore},
    {"bkAll", "&All", mrAll},
}};

}  // namespace

TBitBtn::TBitBtn(const TClassInfo* cls) : TButton(ClassOr(cls, "TBitBtn")) {}

void TBitBtn::Click() {
  if (SameTextAscii(Kind(), "bkClose")) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      TButtonControl::Click();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  TButton::SetPropValue(name, value, strict);
  if (!SameTextAscii(name, "Kind")) return;
  const std::string kind = value.AsString();
  if (SameTextAscii(kind, "bkCustom")) return;
  for (const KindInfo& k : kKinds) {
    if (!SameTextAscii(k.kind, kind)) continue;
    // Only what differs is written, so a button read from a form file keeps its stored
    // properties; a caption of the user's own is kept.
    const bool is_default = SameTextAscii(kind, "bkOK") || SameTextAscii(kind, "bkYes");
    const bool is_cancel = SameTextAscii(kind, "bkCancel") || SameTextAscii(kind, "bkNo");
    if (Default() != is_default) SetDefault(is_default);
    if (Cancel() != is_cancel) SetCancel(is_cancel);
    if (ModalResult() != k.result) SetModalResult(k.result);
    const std::string caption = Caption();
    const bool standard = caption.empty() || std::any_of(kKinds.begin(), kKinds.end(),
                                                         [&caption](const KindInfo& other) {
                                                           return caption == other.caption;
                                                         });
    if (standard && caption != k.caption) SetCaption(k.caption);
    return;
  }
  throw EConvertError("'" + kind + "' is not a valid button kind");
}

TSpeedButton::TSpeedButton(const TClassInfo* cls) : TControl(ClassOr(cls, "TSpeedButton")) {}

void TSpeedButton::Click() {
  if (GroupIndex() != 0) {
    const bool all_up = GetPropValue("AllowAllUp").AsBoolean();
    if (!Down()) {
      SetDown(true);
      if (Parent() != nullptr) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
          auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
          if (other != nullptr && other != this && other->GroupIndex() == GroupIndex()) {
            other->SetDown(false);
          }
        }
      }
    } else if (all_up) {
      SetDown(false);
    }
  }
  TControl::Click();
}

}  // namespace platform
