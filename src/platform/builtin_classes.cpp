// The platform's own classes. Controls of the add-in's windows and the host's form
// objects both take their class knowledge from here (the host adds its class table).
#include "platform/builtin_classes_parts.h"
#include "platform/classes.h"

namespace platform {

namespace {

ClassRegistry MakeBuiltinClasses() {
  ClassRegistry r;
  AddOrDie(r, "TObject", "", {});
  AddOrDie(r, "TPersistent", "TObject", {});
  AddOrDie(r, "TComponent", "TPersistent", {Int("Tag", 0)});
  AddOrDie(r, "TControl", "TComponent",
           {Int("Left", 0),
            Int("Top", 0),
            Int("Width", 0),
            Int("Height", 0),
            Bool("Visible", true),
            Bool("Enabled", true),
            Text("Hint"),
            Bool("ShowHint", false),
            Enum("Align", "alNone"),
            Enum("Cursor", "crDefault"),
            {"Anchors", PropKind::Set, std::string("[akLeft, akTop]"), true}});
  AddOrDie(r, "TGraphicControl", "TControl", {});
  AddOrDie(r, "TWinControl", "TControl", {IntStored("TabOrder"), Bool("TabStop", false)});
  AddOrDie(r, "TCustomControl", "TWinControl", {});
  AddOrDie(r, "TScrollingWinControl", "TWinControl", {});
  AddOrDie(r, "TCustomForm", "TScrollingWinControl",
           {Text("Caption"), Ref("ActiveControl"), Int("ClientWidth", 0), Int("ClientHeight", 0),
            Enum("BorderStyle", "bsSizeable"), Enum("Position", "poDesigned"),
            Enum("FormStyle", "fsNormal"), Bool("AutoSize", false), Bool("Visible", false),
            Ref("Menu"), Ref("PopupMenu"), Enum("Color", "clBtnFace"), Bool("KeyPreview", false)});
  AddOrDie(r, "TForm", "TCustomForm", {});
  AddOrDie(r, "TDataModule", "TComponent", {});
  AddOrDie(r, "TFrame", "TScrollingWinControl", {});
  AddStandardControlClasses(r);
  AddDataClasses(r);
  return r;
}

}  // namespace

const ClassRegistry& BuiltinClasses() {
  static const ClassRegistry registry = MakeBuiltinClasses();
  return registry;
}

}  // namespace platform
