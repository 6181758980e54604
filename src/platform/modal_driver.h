// The modal driver: who works a modally shown window when there is no screen. The
// application holds one; the CLI installs one built from its flags, tests a scripted one.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/forms.h"

namespace platform {

// One message box the user would have seen.
struct MessageRecord {
  std::string caption;
  std::string text;
  std::string buttons;  // "OK", "OKCancel", "YesNo", "YesNoCancel"
  int answer = 0;       // the button the user pressed (IDOK ...)
};

// Message box answers as the platform numbers them.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class ModalDriver {
 public:
  virtual ~ModalDriver() = default;
  // One turn of the user on a modal window: may change controls and click buttons
  // (a button's click sets the window's modal result). Returns the result to close with
  // when the turn left the window without one (mrNone: as if closed by its close box).
  // turn counts from 0; a turn after 0 means the window refused to close.
  virtual TModalResult RunModal(TCustomForm& form, int turn) = 0;
  // The button the user presses on a message box.
  virtual int MessageBox(const MessageRecord& message) = 0;
  // The file the user picks in a file chooser titled title, or nullopt when the user
  // cancels it (what a driver without file choosers answers).
  virtual std::optional<std::string> ChooseFile(const std::string& title) {
    (void)title;
    return std::nullopt;
  }
  // A window was shown or hidden (modeless or modal); a driver with a screen shows it
  // there, a headless one has nothing to do.
  virtual void WindowVisibleChanged(TCustomForm& form, bool visible) {
    (void)form;
    (void)visible;
  }
};

// A driver for tests and answer files: per window name (letter case ignored) a queue of
// steps, each a callback that works the window. Steps run until the window has a modal
// result; a window with no step left gets the default answer. A window that refuses to
// close when no step is left raises EInvalidOperation rather than hang.
class ScriptedModalDriver : public ModalDriver {
 public:
  using Turn = std::function<void(TCustomForm& form)>;

  explicit ScriptedModalDriver(TModalResult default_answer = mrCancel)
      : default_answer_(default_answer) {}

  // Queues one step for the window of that name.
  void Expect(const std::string& form_name, Turn turn);
  // Queues a step that clicks the named control of the window.
  void ExpectClick(const std::string& form_name, const std::string& control_name);
  // Queues a step that just answers with result.
  void ExpectResult(const std::string& form_name, TModalResult result);
  void SetDefaultAnswer(TModalResult result) { default_answer_ = result; }
  // Queues the answer of the next message box (default IDOK).
  void ExpectMessageAnswer(int answer) { message_answers_.push_back(answer); }
  // Queues the pick of the next file chooser (nullopt: cancelled; the default).
  void ExpectFile(std::optional<std::string> file) { files_.push_back(std::move(file)); }

  // Steps not yet used, over all windows.
  int PendingTurns() const;
  // Names of the windows shown modally, in order.
  const std::vector<std::string>& Shown() const { return shown_; }

  TModalResult RunModal(TCustomForm& form, int turn) override;
  int MessageBox(const MessageRecord& message) override;
  std::optional<std::string> ChooseFile(const std::string& title) override;

 private:
  TModalResult default_answer_;
  std::map<std::string, std::deque<Turn>> turns_;  // by upper-cased window name
  std::deque<int> message_answers_;
  std::deque<std::optional<std::string>> files_;
  std::vector<std::string> shown_;
};

}  // namespace platform
