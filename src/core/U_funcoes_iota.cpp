#include "core/U_funcoes_iota.h"

#include <string_view>

#include "platform/exceptions.h"

namespace core {

namespace {

// The IDE's "as" cast: a reference that does not answer the interface is an error the
// caller sees, not a silent empty result.
template <class T, class U>
std::shared_ptr<T> As(const std::shared_ptr<U>& reference, std::string_view interface_name) {
  auto result = ide::Supports<T>(reference);
  if (result == nullptr) {
    throw platform::EConvertError("Interface not supported: " + std::string(interface_name));
  }
  return result;
}

ide::TPropBuffer BufferOf(tTipo_Prop kind) {
  switch (kind) {
    case tTipo_Prop::tpInteger:
      return int32_t{0};
    case tTipo_Prop::tpString:
      return std::string();
    case tTipo_Prop::tpBoolean:
      return false;
  }
  return std::string();
}

platform::Variant ToVariant(const ide::TPropBuffer& buffer) {
  if (const auto* i = std::get_if<int32_t>(&buffer)) return *i;
  if (const auto* b = std::get_if<bool>(&buffer)) return *b;
  return std::get<std::string>(buffer);
}

}  // namespace

std::shared_ptr<ide::IOTAFormEditor> GetActiveFormEditor() {
  auto module_services = ide::Supports<ide::IOTAModuleServices>(ide::BorlandIDEServices);
  if (module_services == nullptr) return nullptr;
  return GetFormEditorFromModule(module_services->CurrentModule());
}

std::shared_ptr<ide::IFormDesigner> GetActiveFormDesigner() {
  auto form_editor = GetActiveFormEditor();
  if (form_editor == nullptr) return nullptr;
  return As<ide::INTAFormEditor>(form_editor, "INTAFormEditor")->GetFormDesigner();
}

std::shared_ptr<ide::IOTAFormEditor> GetFormEditorFromModule(
    const std::shared_ptr<ide::IOTAModule>& module) {
  if (module == nullptr) return nullptr;
  for (int i = 0; i < module->GetModuleFileCount(); ++i) {
    if (auto form_editor = ide::Supports<ide::IOTAFormEditor>(module->GetModuleFileEditor(i))) {
      return form_editor;
    }
  }
  return nullptr;
}

platform::TComponent* GetTComponent(const std::shared_ptr<ide::IOTAComponent>& component) {
  if (component == nullptr) return nullptr;
  return As<ide::INTAComponent>(component, "INTAComponent")->GetComponent();
}

platform::TComponent* FN_Seleciona_Componente(const std::string& name) {
  auto form_editor = GetActiveFormEditor();
  if (form_editor == nullptr) return nullptr;
  auto component = form_editor->FindComponent(name);
  if (component == nullptr) return nullptr;
  component->Select(false);
  return GetTComponent(component);
}

std::vector<std::string> FN_Selected_Components(
    const std::shared_ptr<ide::IOTAFormEditor>& form_editor) {
  std::vector<std::string> names;
  if (form_editor == nullptr) return names;
  for (int i = 0; i < form_editor->GetSelCount(); ++i) {
    auto component = form_editor->GetSelComponent(i);
    if (component == nullptr) continue;
    ide::TPropBuffer name = std::string();
    component->GetPropValueByName("Name", name);
    names.push_back(std::get<std::string>(name));
  }
  return names;
}

std::shared_ptr<ide::IOTAComponent> FN_Pega_IOTA_Component(
    const std::shared_ptr<ide::IOTAFormEditor>& form_editor, const std::string& name) {
  if (form_editor == nullptr) return nullptr;
  return form_editor->FindComponent(name);
}

platform::Variant FN_Pega_Propriedade(const std::shared_ptr<ide::IOTAFormEditor>& form_editor,
                                      const std::string& component_name,
                                      const std::string& property_name, tTipo_Prop kind) {
  platform::Variant result;
  auto component = FN_Pega_IOTA_Component(form_editor, component_name);
  if (component == nullptr) return result;
  ide::TPropBuffer buffer = BufferOf(kind);
  // A property the host cannot read leaves the result empty rather than inventing a 0.
  if (component->GetPropValueByName(property_name, buffer)) result = ToVariant(buffer);
  return result;
}

void PR_Seta_Propriedade(const std::shared_ptr<ide::IOTAComponent>& component,
                         const std::string& property_name, const platform::Variant& value,
                         tTipo_Prop kind) {
  if (component == nullptr) return;
  ide::TPropBuffer buffer;
  switch (kind) {
    case tTipo_Prop::tpInteger:
      buffer = value.AsInteger();
      break;
    case tTipo_Prop::tpString:
      buffer = value.AsString();
      break;
    case tTipo_Prop::tpBoolean:
      buffer = value.AsBoolean();
      break;
  }
  // The designer's refusal is deliberately not examined: the tools re-read what they need.
  (void)component->SetPropByName(property_name, buffer);
}

}  // namespace core
