#include "printing_driver.h"

#include "platform/component.h"
#include "platform/forms.h"

namespace zori::cli {

platform::TModalResult PrintingDriver::RunModal(platform::TCustomForm& form, int turn) {
  if (std::optional<platform::TModalResult> result = Work(form, turn)) return *result;
  platform::TComponent* label = form.FindComponent("lbl_Mensagem");
  if (label == nullptr) return platform::mrCancel;
  err_ << form.Caption() << ": " << label->GetPropValue("Caption").AsString() << "\n";
  // A plain message (Tag 2) is acknowledged; a question is answered as the command wants.
  return form.Tag() == 2 || confirm_ ? platform::mrOk : platform::mrCancel;
}

int PrintingDriver::MessageBox(const platform::MessageRecord& message) {
  err_ << message.caption << ": " << message.text << "\n";
  return message.buttons == "OK" || confirm_ ? platform::IDOK : platform::IDCANCEL;
}

}  // namespace zori::cli
