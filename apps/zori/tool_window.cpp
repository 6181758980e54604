#include "tool_window.h"

#include <ostream>

#include "cli.h"
#include "host_session.h"
#include "ide/disk_host.h"
#include "ide/file_system.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {

platform::TModalResult WindowDriver::RunModal(platform::TCustomForm& form, int turn) {
  if (platform::TComponent* label = form.FindComponent("lbl_Mensagem")) {
    const std::string text = label->GetPropValue("Caption").AsString();
    if (form.Tag() == 2) {
      err_ << form.Caption() << ": " << text << "\n";
      return platform::mrOk;
    }
    const bool yes = !answers_.empty() && answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    err_ << form.Caption() << ": " << text << " " << (yes ? "[OK]" : "[Cancel]") << "\n";
    return yes ? platform::mrOk : platform::mrCancel;
  }
  auto it = turns_.find(form.Name());
  if (turn == 0 && it != turns_.end()) return it->second(form);
  return platform::mrCancel;
}

int WindowDriver::MessageBox(const platform::MessageRecord& message) {
  err_ << message.caption << ": " << message.text << "\n";
  return message.buttons == "OK" ? platform::IDOK : platform::IDCANCEL;
}

ToolSession::ToolSession(Context& context) : context_(context), addin_(context) {}

ToolSession::~ToolSession() {
  // The package leaves the host's menu and notifiers while the host is still there.
  addin_.Unload();
  host_.reset();
}

bool ToolSession::Start(const std::vector<std::string>& paths, std::string* err) {
  if (!addin_.Load(err)) return false;
  if (paths.empty()) {
    host_ = std::make_unique<ide::DiskHost>(std::make_shared<ide::RealFileSystem>());
  } else {
    HostSession opened = OpenProject(paths, {});
    host_ = std::move(opened.host);
    // What could not be read is named; the rest of the project is still listed.
    if (!opened.errors.empty() && host_->ModuleCount() == 0) {
      *err = opened.errors.front();
      return false;
    }
    for (const std::string& message : opened.errors) context_.err << "zori: " << message << "\n";
  }
  // The start-up second passes at once: the command has nothing to wait for.
  auto clock = std::make_unique<platform::ManualClock>();
  platform::ManualClock& time = *clock;
  platform::Application().SetClock(std::move(clock));
  Register();
  time.Advance(1000);
  platform::Application().ProcessMessages();
  if (!v_Inst_ZORIIDEx->FMenuBuilt || v_Inst_ZORIIDEx->FMenuZORI == nullptr) {
    *err = "the tool menu was not built";
    return false;
  }
  return true;
}

WindowDriver& ToolSession::Driver() {
  if (driver_ == nullptr) {
    auto driver = std::make_unique<WindowDriver>(context_.err);
    driver_ = driver.get();
    platform::Application().SetModalDriver(std::move(driver));
  }
  return *driver_;
}

}  // namespace zori::cli
