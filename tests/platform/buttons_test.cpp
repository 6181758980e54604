#include "platform/buttons.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/forms.h"

using namespace platform;

namespace {

TBitBtn* Button(TForm& form, const char* name, const char* kind) {
  auto* b = TComponent::Create<TBitBtn>(form);
  b->SetName(name);
  b->SetParent(&form);
  b->SetKind(kind);
  return b;
}

}  // namespace

TEST(ButtonsTest, AKindGivesCaptionModalResultAndKeyRole) {
  TForm form;
  struct Expected {
    const char* kind;
    const char* caption;
    TModalResult result;
    bool is_default;
    bool is_cancel;
  };
  const Expected kinds[] = {
      {"bkOK", "OK", mrOk, true, false},
      {"bkCancel", "Cancel", mrCancel, false, true},
      {"bkNo", "&No", mrNo, false, true},
      {"bkClose", "&Close", mrNone, false, false},
  };
  int n = 0;
  for (const Expected& e : kinds) {
    const std::string name = "b" + std::to_string(n++);
    TBitBtn* b = Button(form, name.c_str(), e.kind);
    EXPECT_EQ(b->Caption(), e.caption) << e.kind;
    EXPECT_EQ(b->ModalResult(), e.result) << e.kind;
    EXPECT_EQ(b->Default(), e.is_default) << e.kind;
    EXPECT_EQ(b->Cancel(), e.is_cancel) << e.kind;
  }
  // A caption of the user's own survives a change of kind; a standard one follows it.
  TBitBtn* ok = Button(form, "bbtn_Ok", "bkCustom");
  ok->SetCaption("Localizar");
  ok->SetKind("bkOK");
  EXPECT_EQ(ok->Caption(), "Localizar");
  EXPECT_EQ(ok->ModalResult(), mrOk);
  TBitBtn* cancel = Button(form, "bbtn_Cancel", "bkOK");
  cancel->SetKind("bkCancel");
  EXPECT_EQ(cancel->Caption(), "Cancel");
  EXPECT_FALSE(cancel->Default());
  EXPECT_THROW(cancel->SetKind("bkMaybe"), EConvertError);
}

TEST(ButtonsTest, AButtonWithoutAFormOnlyRunsItsHandler) {
  TButton loose;
  loose.SetModalResult(mrOk);
  int clicks = 0;
  loose.OnClick = [&](TObject*) { ++clicks; };
  loose.Click();
  EXPECT_EQ(clicks, 1);

  TForm form;
  auto* a = TComponent::Create<TSpeedButton>(form);
  a->SetParent(&form);
  a->SetPropValue("GroupIndex", 3);
  a->SetPropValue("AllowAllUp", true);
  a->Click();
  EXPECT_TRUE(a->Down());
  a->Click();  // all up is allowed
  EXPECT_FALSE(a->Down());
  a->Glyph().SetSize(16, 16);
  EXPECT_FALSE(a->Glyph().Empty());
}
