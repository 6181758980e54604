// Running the add-in inside an IDE host for the commands that open a tool window: the
// host (with or without a project), the start-up tick that builds "&ZORI", and a modal
// driver that hands each tool window to the command and prints every message.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "addin_session.h"
#include "platform/modal_driver.h"

namespace ide {
class DiskHost;
}

namespace zori::cli {

struct Context;

// Works the windows for the command: a tool window gets its command's turn once (then it
// is cancelled); a plain message is printed and confirmed; a question is printed and
// answered from the queue (no, when the queue is empty).
class WindowDriver : public platform::ModalDriver {
 public:
  using Turn = std::function<platform::TModalResult(platform::TCustomForm& form)>;
  explicit WindowDriver(std::ostream& err) : err_(err) {}

  // The turn the window of that component name gets when it shows.
  void On(const std::string& form_name, Turn turn) { turns_[form_name] = std::move(turn); }
  void Answer(bool yes) { answers_.push_back(yes); }

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override;
  int MessageBox(const platform::MessageRecord& message) override;

 private:
  std::ostream& err_;
  std::map<std::string, Turn> turns_;
  std::deque<bool> answers_;
};

// The add-in loaded into an IDE host: the package directory, the host over the project at
// paths (none: the IDE alone), Register and the start-up tick.
class ToolSession {
 public:
  explicit ToolSession(Context& context);
  ~ToolSession();

  // False with *err when the package directory cannot be had or nothing of the project
  // loads (units that fail are named on stderr); otherwise the tool menu is built.
  bool Start(const std::vector<std::string>& paths, std::string* err);
  // Installs the driver the windows are worked by; returns it.
  WindowDriver& Driver();
  AddinSession& Addin() { return addin_; }

 private:
  Context& context_;
  AddinSession addin_;
  std::unique_ptr<ide::DiskHost> host_;
  WindowDriver* driver_ = nullptr;
};

}  // namespace zori::cli
