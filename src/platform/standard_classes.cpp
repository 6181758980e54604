// Class knowledge of the standard, additional, win32 and system controls, menus, actions,
// timers, image lists and dialogs, with the platform's own ancestry and defaults, so the
// host's form files and the add-in's windows agree on what a class publishes.
#include "platform/builtin_classes_parts.h"

namespace platform {

namespace {

PropInfo Strings(std::string name) {
  return {std::move(name), PropKind::Strings, {}, false};
}
PropInfo Other(std::string name) {
  return {std::move(name), PropKind::Other, {}, false};
}
PropInfo SetOf(std::string name, std::string def) {
  return {std::move(name), PropKind::Set, std::move(def), true};
}

void AddMenusAndNonVisual(ClassRegistry& r) {
  AddOrDie(r, "TApplication", "TComponent", {});
  AddOrDie(r, "TMenuItem", "TComponent",
           {Text("Caption"), Bool("Checked", false), Bool("Enabled", true), Bool("Visible", true),
            Int("ShortCut", 0), Int("ImageIndex", -1), Text("Hint"), Ref("Action"), Other("Bitmap"),
            Int("GroupIndex", 0), Bool("RadioItem", false), Bool("Default", false),
            Bool("AutoCheck", false), Int("HelpContext", 0)});
  AddOrDie(r, "TMenu", "TComponent", {Ref("Images"), Enum("AutoHotkeys", "maAutomatic")});
  AddOrDie(r, "TMainMenu", "TMenu", {Bool("AutoMerge", false)});
  AddOrDie(r, "TPopupMenu", "TMenu", {Bool("AutoPopup", true), Enum("Alignment", "paLeft")});
  AddOrDie(r, "TTimer", "TComponent", {Bool("Enabled", true), Int("Interval", 1000)});
  AddOrDie(r, "TCustomImageList", "TComponent",
           {Int("Width", 16), Int("Height", 16), Bool("Masked", true), Int("AllocBy", 4),
            Enum("BkColor", "clNone"), Enum("BlendColor", "clNone"),
            Enum("DrawingStyle", "dsNormal"), Enum("ImageType", "itImage")});
  AddOrDie(r, "TDragImageList", "TCustomImageList", {});
  AddOrDie(r, "TImageList", "TDragImageList", {});
  AddOrDie(r, "TBasicAction", "TComponent", {});
  AddOrDie(r, "TContainedAction", "TBasicAction", {Text("Category")});
  AddOrDie(
      r, "TCustomAction", "TContainedAction",
      {Text("Caption"), Bool("Checked", false), Bool("Enabled", true), Text("Hint"),
       Int("ImageIndex", -1), Int("ShortCut", 0), Bool("Visible", true), Int("HelpContext", 0)});
  AddOrDie(r, "TAction", "TCustomAction", {});
  AddOrDie(r, "TCustomActionList", "TComponent", {Ref("Images")});
  AddOrDie(r, "TActionList", "TCustomActionList", {});
  AddOrDie(r, "TCommonDialog", "TComponent", {Int("HelpContext", 0), Bool("Ctl3D", true)});
  AddOrDie(
      r, "TOpenDialog", "TCommonDialog",
      {Text("DefaultExt"), Text("FileName"), Text("Filter"), Int("FilterIndex", 1),
       Text("InitialDir"), Text("Title"), SetOf("Options", "[ofHideReadOnly, ofEnableSizing]")});
  AddOrDie(r, "TSaveDialog", "TOpenDialog", {});
}

void AddGraphicControls(ClassRegistry& r) {
  AddOrDie(r, "TCustomLabel", "TGraphicControl",
           {Text("Caption"), Bool("AutoSize", true), Bool("WordWrap", false),
            Bool("Transparent", false), Enum("Layout", "tlTop"), Enum("Alignment", "taLeftJustify"),
            Enum("Color", "clBtnFace"), Enum("Font.Color", "clWindowText"),
            Bool("ShowAccelChar", true), Bool("ParentFont", true), Ref("PopupMenu")});
  // FocusControl is published by the label alone: the data-aware label descends from the
  // same base and has none.
  AddOrDie(r, "TLabel", "TCustomLabel", {Ref("FocusControl")});
  AddOrDie(r, "TImage", "TGraphicControl",
           {Other("Picture"), Bool("Center", false), Bool("Stretch", false),
            Bool("Transparent", false), Bool("AutoSize", false), Bool("Proportional", false)});
  AddOrDie(r, "TSpeedButton", "TGraphicControl",
           {Text("Caption"), Bool("Flat", false), Int("GroupIndex", 0), Bool("Down", false),
            Bool("AllowAllUp", false), Other("Glyph"), Int("NumGlyphs", 1),
            Enum("Layout", "blGlyphLeft"), Int("Margin", -1), Int("Spacing", 4)});
  AddOrDie(r, "TToolButton", "TGraphicControl",
           {Text("Caption"), Int("ImageIndex", -1), Enum("Style", "tbsButton"), Bool("Down", false),
            Bool("Grouped", false), Ref("MenuItem"), Ref("DropdownMenu"), Bool("Wrap", false),
            Bool("AllowAllUp", false), Ref("Action")});
  AddOrDie(r, "TBevel", "TGraphicControl", {Enum("Shape", "bsBox"), Enum("Style", "bsLowered")});
  AddOrDie(r, "TShape", "TGraphicControl", {Enum("Shape", "stRectangle")});
  AddOrDie(r, "TPaintBox", "TGraphicControl", {Enum("Color", "clBtnFace")});
  AddOrDie(r, "TSplitter", "TGraphicControl",
           {Int("MinSize", 30), Enum("ResizeStyle", "rsPattern"), Bool("AutoSnap", true)});
}

void AddEditsAndButtons(ClassRegistry& r) {
  AddOrDie(
      r, "TCustomEdit", "TWinControl",
      {Bool("TabStop", true), Text("Text"), Bool("ReadOnly", false), Int("MaxLength", 0),
       Enum("CharCase", "ecNormal"), Enum("Color", "clWindow"), Enum("Font.Color", "clWindowText"),
       Enum("BorderStyle", "bsSingle"), Bool("AutoSelect", true), Bool("AutoSize", true),
       Text("PasswordChar"), Ref("PopupMenu"), Bool("ParentFont", true)});
  AddOrDie(r, "TEdit", "TCustomEdit", {});
  AddOrDie(r, "TCustomMaskEdit", "TCustomEdit", {Text("EditMask")});
  AddOrDie(r, "TMaskEdit", "TCustomMaskEdit", {});
  AddOrDie(
      r, "TCustomMemo", "TCustomEdit",
      {Strings("Lines"), Enum("ScrollBars", "ssNone"), Bool("WordWrap", true),
       Bool("WantReturns", true), Bool("WantTabs", false), Enum("Alignment", "taLeftJustify")});
  AddOrDie(r, "TMemo", "TCustomMemo", {});
  AddOrDie(r, "TCustomRichEdit", "TCustomMemo",
           {Bool("PlainText", false), Bool("HideSelection", true)});
  AddOrDie(r, "TRichEdit", "TCustomRichEdit", {});
  AddOrDie(r, "TSpinEdit", "TCustomEdit",
           {Int("Value", 0), Int("MinValue", 0), Int("MaxValue", 0), Int("Increment", 1),
            Bool("EditorEnabled", true)});
  // TabStop is switched on by the buttons and check boxes, not by their common base: a
  // radio button takes the tab stop only when checked.
  AddOrDie(r, "TButtonControl", "TWinControl",
           {Ref("PopupMenu"), Bool("ParentFont", true), Enum("Font.Color", "clWindowText")});
  AddOrDie(r, "TButton", "TButtonControl",
           {Bool("TabStop", true), Text("Caption"), Int("ModalResult", 0), Bool("Default", false),
            Bool("Cancel", false), Ref("Action")});
  AddOrDie(r, "TBitBtn", "TButton",
           {Enum("Kind", "bkCustom"), Other("Glyph"), Enum("Layout", "blGlyphLeft"),
            Int("NumGlyphs", 1), Int("Margin", -1), Int("Spacing", 4)});
  AddOrDie(
      r, "TCustomCheckBox", "TButtonControl",
      {Bool("TabStop", true), Text("Caption"), Bool("Checked", false), Enum("State", "cbUnchecked"),
       Bool("AllowGrayed", false), Enum("Alignment", "taRightJustify")});
  AddOrDie(r, "TCheckBox", "TCustomCheckBox", {});
  AddOrDie(r, "TRadioButton", "TButtonControl",
           {Text("Caption"), Bool("Checked", false), Enum("Alignment", "taRightJustify")});
  AddOrDie(r, "TCustomHotKey", "TWinControl",
           {Int("HotKey", 32833), SetOf("InvalidKeys", "[hcNone, hcShift]"),
            SetOf("Modifiers", "[hkAlt]"), Bool("AutoSize", true)});
  AddOrDie(r, "THotKey", "TCustomHotKey", {Bool("TabStop", true)});
}

void AddListsAndContainers(ClassRegistry& r) {
  AddOrDie(r, "TCustomPanel", "TCustomControl",
           {Text("Caption"), Enum("BevelInner", "bvNone"), Enum("BevelOuter", "bvRaised"),
            Int("BevelWidth", 1), Int("BorderWidth", 0), Enum("BorderStyle", "bsNone"),
            Enum("Alignment", "taCenter"), Enum("Color", "clBtnFace"), Bool("AutoSize", false),
            Bool("ParentColor", false), Ref("PopupMenu"), Bool("FullRepaint", true)});
  AddOrDie(r, "TPanel", "TCustomPanel", {});
  AddOrDie(r, "TCustomGroupBox", "TCustomControl",
           {Text("Caption"), Enum("Color", "clBtnFace"), Ref("PopupMenu")});
  AddOrDie(r, "TGroupBox", "TCustomGroupBox", {});
  AddOrDie(r, "TCustomRadioGroup", "TCustomGroupBox",
           {Strings("Items"), Int("ItemIndex", -1), Int("Columns", 1)});
  AddOrDie(r, "TRadioGroup", "TCustomRadioGroup", {});
  AddOrDie(r, "TScrollBox", "TScrollingWinControl",
           {Enum("BorderStyle", "bsSingle"), Other("HorzScrollBar"), Other("VertScrollBar"),
            Bool("AutoScroll", true)});
  AddOrDie(r, "TCustomListControl", "TWinControl", {});
  AddOrDie(r, "TCustomCombo", "TCustomListControl",
           {Strings("Items"), Int("ItemIndex", -1), Int("DropDownCount", 8),
            Enum("Color", "clWindow"), Ref("PopupMenu"), Int("MaxLength", 0)});
  AddOrDie(r, "TCustomComboBox", "TCustomCombo",
           {Text("Text"), Enum("Style", "csDropDown"), Bool("Sorted", false),
            Enum("CharCase", "ecNormal"), Int("ItemHeight", 13)});
  AddOrDie(r, "TComboBox", "TCustomComboBox", {Bool("TabStop", true)});
  AddOrDie(r, "TCustomComboBoxEx", "TCustomCombo",
           {Other("ItemsEx"), Ref("Images"), Enum("Style", "csExDropDown"), Text("Text")});
  AddOrDie(r, "TComboBoxEx", "TCustomComboBoxEx", {Bool("TabStop", true)});
  AddOrDie(
      r, "TCustomListBox", "TCustomListControl",
      {Bool("TabStop", true), Strings("Items"), Bool("Sorted", false), Bool("MultiSelect", false),
       Int("ItemHeight", 13), Enum("Color", "clWindow"), Int("Columns", 0), Ref("PopupMenu")});
  AddOrDie(r, "TListBox", "TCustomListBox", {});
  AddOrDie(r, "TCheckListBox", "TCustomListBox", {Bool("AllowGrayed", false), Bool("Flat", true)});
  AddOrDie(r, "TCustomTabControl", "TWinControl",
           {Int("TabIndex", -1), Ref("Images"), Bool("MultiLine", false),
            Enum("TabPosition", "tpTop"), Enum("Style", "tsTabs")});
  AddOrDie(r, "TTabControl", "TCustomTabControl", {Bool("TabStop", true), Strings("Tabs")});
  AddOrDie(r, "TPageControl", "TCustomTabControl", {Bool("TabStop", true), Ref("ActivePage")});
  AddOrDie(r, "TTabSheet", "TWinControl",
           {Text("Caption"), Int("ImageIndex", 0), Bool("TabVisible", true),
            Bool("Highlighted", false), Unpublished("TabOrder")});
  AddOrDie(r, "TCustomTreeView", "TWinControl",
           {Other("Items"), Int("Indent", 19), Bool("ReadOnly", false), Bool("HideSelection", true),
            Ref("Images"), Ref("StateImages"), Bool("ShowLines", true), Bool("ShowRoot", true),
            Bool("ShowButtons", true), Enum("Color", "clWindow"), Bool("AutoExpand", false),
            Bool("RowSelect", false), Ref("PopupMenu"), Enum("SortType", "stNone")});
  AddOrDie(r, "TTreeView", "TCustomTreeView", {Bool("TabStop", true)});
  AddOrDie(r, "TProgressBar", "TWinControl",
           {Int("Min", 0), Int("Max", 100), Int("Position", 0), Int("Step", 10),
            Bool("Smooth", false), Enum("Orientation", "pbHorizontal")});
  AddOrDie(r, "TToolWindow", "TCustomControl", {Enum("EdgeBorders", "[ebTop]")});
  AddOrDie(r, "TToolBar", "TToolWindow",
           {Int("ButtonHeight", 22), Int("ButtonWidth", 23), Ref("Images"),
            Bool("ShowCaptions", false), Bool("Flat", false), Bool("Wrapable", true),
            Bool("ShowHint", false), Bool("AutoSize", false), Bool("List", false)});
  AddOrDie(r, "TStatusBar", "TWinControl",
           {Text("SimpleText"), Bool("SimplePanel", false), Other("Panels"), Bool("SizeGrip", true),
            Unpublished("TabOrder")});
  // Grids: the data developer's data grid derives from TCustomGrid.
  AddOrDie(r, "TCustomGrid", "TCustomControl",
           {Bool("TabStop", true), Int("ColCount", 5), Int("RowCount", 5), Int("FixedCols", 1),
            Int("FixedRows", 1), Int("DefaultColWidth", 64), Int("DefaultRowHeight", 24),
            Enum("Color", "clWindow"), Enum("ScrollBars", "ssBoth"), SetOf("Options", ""),
            Ref("PopupMenu")});
  AddOrDie(r, "TCustomDrawGrid", "TCustomGrid", {});
  AddOrDie(r, "TDrawGrid", "TCustomDrawGrid", {});
  AddOrDie(r, "TStringGrid", "TDrawGrid", {});
  AddOrDie(r, "TValueListEditor", "TCustomDrawGrid",
           {Strings("Strings"), SetOf("KeyOptions", "[]"), Strings("TitleCaptions"),
            SetOf("DisplayOptions", "[doColumnTitles, doAutoColResize, doKeyColFixed]"),
            Other("ColWidths")});
}

}  // namespace

void AddStandardControlClasses(ClassRegistry& registry) {
  AddMenusAndNonVisual(registry);
  AddGraphicControls(registry);
  AddEditsAndButtons(registry);
  AddListsAndContainers(registry);
}

}  // namespace platform
