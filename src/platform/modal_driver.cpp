#include "platform/modal_driver.h"

#include "platform/classes.h"
#include "platform/exceptions.h"

namespace platform {

void ScriptedModalDriver::Expect(const std::string& form_name, Turn turn) {
  turns_[UpperAscii(form_name)].push_back(std::move(turn));
}

void ScriptedModalDriver::ExpectClick(const std::string& form_name,
                                      const std::string& control_name) {
  Expect(form_name, [control_name](TCustomForm& form) {
    auto* control = dynamic_cast<TControl*>(form.FindComponent(control_name));
    if (control == nullptr) {
      throw EInvalidOperation("Window " + form.Name() + " has no control " + control_name +
                              " to click");
    }
    control->Click();
  });
}

void ScriptedModalDriver::ExpectResult(const std::string& form_name, TModalResult result) {
  Expect(form_name, [result](TCustomForm& form) { form.SetModalResult(result); });
}

int ScriptedModalDriver::PendingTurns() const {
  int pending = 0;
  for (const auto& [name, queue] : turns_) pending += static_cast<int>(queue.size());
  return pending;
}

TModalResult ScriptedModalDriver::RunModal(TCustomForm& form, int turn) {
  if (turn == 0) shown_.push_back(form.Name());
  std::deque<Turn>& queue = turns_[UpperAscii(form.Name())];
  bool worked = false;
  while (form.ModalResult() == mrNone) {
    if (queue.empty()) {
      if (turn > 0 && !worked) {
        throw EInvalidOperation("Window " + form.Name() +
                                " refused to close and the script has no further turn for it");
      }
      return default_answer_;
    }
    Turn next = std::move(queue.front());
    queue.pop_front();
    next(form);
    worked = true;
  }
  return form.ModalResult();
}

int ScriptedModalDriver::MessageBox(const MessageRecord& message) {
  (void)message;
  if (message_answers_.empty()) return IDOK;
  const int answer = message_answers_.front();
  message_answers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedModalDriver::ChooseFile(const std::string& title) {
  (void)title;
  if (files_.empty()) return std::nullopt;
  std::optional<std::string> file = std::move(files_.front());
  files_.pop_front();
  return file;
}

}  // namespace platform
