#include <initializer_list>

#include "platform/builtin_classes_parts.h"

namespace platform {

namespace {

// The first of the candidate ancestors the registry knows: the data controls descend from
// the standard controls' abstract classes, and fall back to the nearest class present.
std::string_view NearestKnown(const ClassRegistry& registry,
                              std::initializer_list<std::string_view> candidates) {
  for (std::string_view name : candidates) {
    if (registry.Find(name) != nullptr) return name;
  }
  return "TComponent";
}

// Adds a class unless another part of the platform registered it first.
void AddData(ClassRegistry& registry, std::string name, std::string_view parent,
             std::vector<PropInfo> properties) {
  if (registry.Find(name) != nullptr) return;
  AddOrDie(registry, std::move(name), parent, std::move(properties));
}

PropInfo TextDefault(std::string name, std::string def) {
  return {std::move(name), PropKind::Text, std::move(def), true};
}

PropInfo SetOf(std::string name, std::string def) {
  return {std::move(name), PropKind::Set, std::move(def), true};
}

}  // namespace

void AddDataClasses(ClassRegistry& registry) {
  ClassRegistry& r = registry;
  // Datasets and data sources.
  AddData(r, "TDataSet", "TComponent",
          {Bool("Active", false), Text("Filter"), Bool("Filtered", false),
           SetOf("FilterOptions", "[]"), Bool("AutoCalcFields", true)});
  AddData(r, "TCustomClientDataSet", "TDataSet", {Text("FileName"), Bool("ReadOnly", false)});
  AddData(r, "TClientDataSet", "TCustomClientDataSet", {});
  AddData(r, "TDataSource", "TComponent",
          {Ref("DataSet"), Bool("AutoEdit", true), Bool("Enabled", true)});

  // Persistent fields as a form file lists them under their dataset.
  AddData(r, "TField", "TComponent",
          {Text("FieldName"), Text("DisplayLabel"), Bool("Required", false), Bool("Visible", true),
           Enum("FieldKind", "fkData"), Text("EditMask"), Bool("ReadOnly", false),
           Int("DisplayWidth", 0)});
  AddData(r, "TStringField", "TField", {Int("Size", 20)});
  AddData(r, "TNumericField", "TField", {});
  AddData(r, "TIntegerField", "TNumericField", {});
  AddData(r, "TBooleanField", "TField", {});
  AddData(r, "TBlobField", "TField", {Int("Size", 0)});
  AddData(r, "TMemoField", "TBlobField", {});

  // Data-aware controls: a data source and a field name on top of their plain kind.
  AddData(r, "TDBEdit", NearestKnown(r, {"TCustomMaskEdit", "TCustomEdit", "TWinControl"}),
          {Ref("DataSource"), Text("DataField"), Bool("ReadOnly", false), Int("MaxLength", 0)});
  AddData(r, "TDBText", NearestKnown(r, {"TCustomLabel", "TGraphicControl"}),
          {Ref("DataSource"), Text("DataField"), Bool("AutoSize", false)});
  AddData(r, "TDBMemo", NearestKnown(r, {"TCustomMemo", "TCustomEdit", "TWinControl"}),
          {Ref("DataSource"), Text("DataField"), Bool("ReadOnly", false),
           Enum("ScrollBars", "ssNone"), Bool("WordWrap", true)});
  AddData(r, "TDBRichEdit", NearestKnown(r, {"TCustomRichEdit", "TCustomMemo", "TWinControl"}),
          {Ref("DataSource"), Text("DataField"), Bool("ReadOnly", false),
           Enum("ScrollBars", "ssNone")});
  AddData(r, "TDBCheckBox", NearestKnown(r, {"TCustomCheckBox", "TButtonControl", "TWinControl"}),
          {Ref("DataSource"), Text("DataField"), Text("Caption"), Bool("ReadOnly", false),
           TextDefault("ValueChecked", "True"), TextDefault("ValueUnchecked", "False")});
  AddData(r, "TDBComboBox", NearestKnown(r, {"TCustomComboBox", "TWinControl"}),
          {Bool("TabStop", true),
           Ref("DataSource"),
           Text("DataField"),
           {"Items", PropKind::Strings, {}, false},
           Enum("Style", "csDropDown"),
           Bool("ReadOnly", false)});
  // The lookup base and the grid base keep their data links unpublished; the palette
  // classes publish them.
  AddData(r, "TDBLookupControl", NearestKnown(r, {"TCustomControl", "TWinControl"}), {});
  AddData(r, "TDBLookupComboBox", "TDBLookupControl",
          {Bool("TabStop", true), Ref("DataSource"), Text("DataField"), Ref("ListSource"),
           Text("KeyField"), Text("ListField"), Bool("ReadOnly", false), Int("DropDownRows", 7)});
  AddData(r, "TCustomDBGrid", NearestKnown(r, {"TCustomGrid", "TCustomControl", "TWinControl"}),
          {{"Columns", PropKind::Other, {}, false},
           SetOf("Options",
                 "[dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, "
                 "dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit]"),
           Bool("ReadOnly", false)});
  AddData(r, "TDBGrid", "TCustomDBGrid", {Ref("DataSource")});
  AddData(r, "TDBNavigator", NearestKnown(r, {"TCustomPanel", "TCustomControl", "TWinControl"}),
          {Ref("DataSource"),
           SetOf("VisibleButtons",
                 "[nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, "
                 "nbEdit, nbPost, nbCancel, nbRefresh]"),
           Bool("ConfirmDelete", true), Bool("Flat", false)});
}

}  // namespace platform
