#include "platform/dialogs.h"

#include <filesystem>

#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/forms.h"

namespace platform {

TOpenDialog::TOpenDialog(const TClassInfo* cls) : TComponent(ClassOr(cls, "TOpenDialog")) {}

bool TOpenDialog::Execute() {
  ModalDriver* driver = Application().GetModalDriver();
  if (driver == nullptr) {
    throw EInvalidOperation("No modal driver is installed to choose a file for " + Name());
  }
  std::optional<std::string> file = driver->ChooseFile(Title());
  if (!file.has_value() || file->empty()) return false;
  std::string ext = DefaultExt();
  if (ext.rfind("*.", 0) == 0) ext = ext.substr(2);
  if (!ext.empty() && ext.front() == '.') ext = ext.substr(1);
  if (!ext.empty() && !std::filesystem::path(*file).has_extension()) *file += "." + ext;
  SetFileName(*file);
  return true;
}

}  // namespace platform
