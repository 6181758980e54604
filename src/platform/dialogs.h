// The file chooser: the user picks a file through the application's modal driver.
#pragma once

#include <string>

#include "platform/component.h"

namespace platform {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(const TClassInfo* cls = nullptr);

  std::string FileName() const { return GetPropValue("FileName").AsString(); }
  void SetFileName(const std::string& v) { SetPropValue("FileName", v); }
  std::string Filter() const { return GetPropValue("Filter").AsString(); }
  void SetFilter(const std::string& v) { SetPropValue("Filter", v); }
  std::string DefaultExt() const { return GetPropValue("DefaultExt").AsString(); }
  void SetDefaultExt(const std::string& v) { SetPropValue("DefaultExt", v); }
  std::string Title() const { return GetPropValue("Title").AsString(); }

  // Shows the chooser: true and FileName set when the user picked a file (a name without
  // an extension gets DefaultExt, its leading "*." dropped); false when cancelled. Raises
  // EInvalidOperation when no modal driver is installed.
  bool Execute();
};

}  // namespace platform
