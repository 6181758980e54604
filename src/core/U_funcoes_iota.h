// Designer access: the form open in the designer, its components by name, their
// published properties by name, and the designer's selection. Stateless; every call goes
// through the IDE's open-tools interfaces and keeps no reference past its return.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ide/ToolsAPI.h"
#include "platform/variant.h"

namespace platform {
class TComponent;
}

namespace core {

// Kind of a property value exchanged with the designer; it fixes the host's buffer.
enum class tTipo_Prop { tpInteger = 0, tpString = 1, tpBoolean = 2 };

// The form editor of the current module: the first of its file editors that is a form
// editor; empty without a current module or when the module is a plain unit.
std::shared_ptr<ide::IOTAFormEditor> GetActiveFormEditor();
// The designer of the active form, or empty without one.
std::shared_ptr<ide::IFormDesigner> GetActiveFormDesigner();
// The first form editor among the module's file editors; empty for an empty module.
std::shared_ptr<ide::IOTAFormEditor> GetFormEditorFromModule(
    const std::shared_ptr<ide::IOTAModule>& module);
// The live object behind a designer component (not owned); nullptr for an empty one.
platform::TComponent* GetTComponent(const std::shared_ptr<ide::IOTAComponent>& component);
// Selects the named component of the active form alone and returns its live object;
// nullptr, with the selection unchanged, when there is no such component or form.
platform::TComponent* FN_Seleciona_Componente(const std::string& name);
// The names of the selected components in the designer's selection order (duplicates
// kept); an empty list for an empty form editor.
std::vector<std::string> FN_Selected_Components(
    const std::shared_ptr<ide::IOTAFormEditor>& form_editor);
// The designer component of that name, or empty.
std::shared_ptr<ide::IOTAComponent> FN_Pega_IOTA_Component(
    const std::shared_ptr<ide::IOTAFormEditor>& form_editor, const std::string& name);
// A published property of the named component as a variant of the kind; empty when the
// form editor is empty, the component is unknown or the host cannot read the property.
platform::Variant FN_Pega_Propriedade(const std::shared_ptr<ide::IOTAFormEditor>& form_editor,
                                      const std::string& component_name,
                                      const std::string& property_name, tTipo_Prop kind);
// Writes a published property converted to the kind; nothing for an empty component. A
// value that does not convert raises EConvertError; the host's refusal is not reported.
void PR_Seta_Propriedade(const std::shared_ptr<ide::IOTAComponent>& component,
                         const std::string& property_name, const platform::Variant& value,
                         tTipo_Prop kind);

}  // namespace core
