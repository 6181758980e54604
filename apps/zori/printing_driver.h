// The user at the command line, who reads every message window the add-in shows on standard
// error and cannot click: the commands that work a window of their own derive from it.
#pragma once

#include <optional>
#include <ostream>

#include "platform/modal_driver.h"

namespace zori::cli {

class PrintingDriver : public platform::ModalDriver {
 public:
  // With confirm, a question is answered yes (the command asked for the work it gates);
  // without, it is declined.
  explicit PrintingDriver(std::ostream& err, bool confirm = false) : err_(err), confirm_(confirm) {}

  // Message windows are printed; any other window goes to Work, and is cancelled when Work
  // does not take it.
  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override;
  int MessageBox(const platform::MessageRecord& message) override;

 protected:
  // A command's own window: the modal result it ends with, or nothing when not the
  // command's window.
  virtual std::optional<platform::TModalResult> Work(platform::TCustomForm& /*form*/,
                                                     int /*turn*/) {
    return std::nullopt;
  }
  std::ostream& err_;

 private:
  bool confirm_;
};

}  // namespace zori::cli
