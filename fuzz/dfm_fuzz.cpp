// Feeds arbitrary bytes to the form reader, as a Delphi form and as a Lazarus form: it must
// answer with a tree or one error, and a tree must write back to the very same bytes, and
// to a readable form after edits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ide/dfm_document.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void OneForm(const std::string& path, const std::string& bytes) {
  const size_t size = bytes.size();
  std::string err;
  auto document = ide::DfmDocument::Parse(path, bytes, &err);
  if (!document) {
    Check(!err.empty() && err.rfind(path + ":", 0) == 0);
    return;
  }
  Check(document->Write() == bytes);
  // Values decoded ahead, as a form read ahead has them, are the values decoded on demand,
  // and setting them back writes the same form.
  auto ahead = ide::DfmDocument::Parse(path, bytes, &err);
  Check(ahead != nullptr);
  ahead->DecodeValues();
  const auto on_demand = ide::AllObjects(document->root());
  const auto decoded = ide::AllObjects(ahead->root());
  Check(on_demand.size() == decoded.size());
  for (size_t i = 0; i < decoded.size(); ++i) {
    Check(on_demand[i]->properties().size() == decoded[i]->properties().size());
    for (size_t j = 0; j < decoded[i]->properties().size(); ++j) {
      const ide::DfmProperty& property = decoded[i]->properties()[j];
      Check(on_demand[i]->properties()[j].value() == property.value());
      decoded[i]->SetProperty(property.name(), decoded[i]->FindProperty(property.name())->value());
    }
  }
  Check(ahead->Write() == bytes);
  // Setting every value to what it already is changes nothing (by name: with a name
  // written twice, the first is the one found and set).
  for (ide::DfmObject* object : ide::AllObjects(document->root())) {
    for (size_t i = 0; i < object->properties().size(); ++i) {
      std::string name = object->properties()[i].name();
      object->SetProperty(name, object->FindProperty(name)->value());
    }
  }
  Check(document->Write() == bytes);
  // Edits write a form that reads back with the edited values.
  ide::DfmObject& root = document->root();
  root.SetProperty("ZoriText", ide::DfmValue::String(bytes.substr(0, 100)));
  root.SetProperty("ZoriNumber", ide::DfmValue::Integer(static_cast<int64_t>(size) - 50));
  if (!root.properties().empty()) root.RemoveProperty(root.properties().front().name());
  root.Rename("Renamed");
  auto again = ide::DfmDocument::Parse(path, document->Write(), &err);
  Check(again != nullptr);
  Check(again->root().name() == "Renamed");
  Check(again->root().FindProperty("ZoriNumber")->value().integer ==
        static_cast<int64_t>(size) - 50);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  OneForm("f.dfm", bytes);
  OneForm("f.lfm", bytes);
  return 0;
}
