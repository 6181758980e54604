#include "platform/component.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

using namespace platform;

namespace {

const TClassInfo* Cls(const char* name) {
  return BuiltinClasses().Find(name);
}

struct Form {
  TWinControl root{Cls("TForm")};
  TWinControl* Add(const char* name, TWinControl* parent) {
    auto* c = TComponent::Create<TWinControl>(root, Cls("TWinControl"));
    c->SetName(name);
    c->SetParent(parent);
    return c;
  }
  void Check() {
    std::string err;
    EXPECT_TRUE(root.CheckTree(&err)) << err;
    EXPECT_TRUE(root.CheckControls(&err)) << err;
  }
};

}  // namespace

TEST(ComponentTest, WritingTabOrderMovesTheControlAndShiftsTheOthers) {
  Form f;
  auto* a = f.Add("A", &f.root);
  auto* b = f.Add("B", &f.root);
  auto* c = f.Add("C", &f.root);
  c->SetPropValue("TabOrder", 0);
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  EXPECT_EQ(b->TabOrder(), 2);
  a->SetTabOrder(99);  // out of range: to the end
  EXPECT_EQ(a->GetPropValue("TabOrder").AsInteger(), 2);
  b->Free();
  EXPECT_EQ(a->TabOrder(), 1);
  f.Check();
}

TEST(ComponentTest, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  Form f;
  auto* a = f.Add("Edit1", &f.root);
  f.Add("Edit2", &f.root);
  EXPECT_THROW(a->SetName("edit2"), EComponentError);
  EXPECT_THROW(a->SetName("1Edit"), EComponentError);
  a->SetName("edtNome");
  EXPECT_EQ(f.root.FindComponent("EDTNOME"), a);
  EXPECT_EQ(f.root.FindComponent("Edit1"), nullptr);
  f.Check();
}

TEST(ComponentTest, PropertiesFallBackToClassDefaults) {
  Form f;
  auto* a = f.Add("A", &f.root);
  EXPECT_TRUE(a->Visible());
  EXPECT_TRUE(a->HasProperty("TabStop"));
  EXPECT_FALSE(a->HasProperty("DataField"));
  EXPECT_THROW(a->SetPropValue("DataField", "X"), EComponentError);
  a->SetPropValue("Left", "12");
  EXPECT_EQ(a->GetPropValue("Left"), Variant(12));
  EXPECT_TRUE(a->InheritsFrom("TControl"));
}
