// TApplication and TScreen: the platform's application object (owner of the windows
// created with it as owner, the modal driver, the clock timers run on, the message log)
// and the screen's list of forms.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/component.h"
#include "platform/modal_driver.h"
#include "platform/registry.h"

namespace platform {

class TCustomForm;
class TTimer;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  // Forms in creation order; std::out_of_range outside 0..FormCount-1.
  TCustomForm* Forms(int index) const { return forms_.at(index); }
  // The form shown last that is still visible, or nullptr.
  TCustomForm* ActiveForm() const;
  void SetActiveForm(TCustomForm* form);
  // The desktop's size in pixels (1024 x 768 unless set); centred windows use it.
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetSize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
  }

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

  std::vector<TCustomForm*> forms_;
  std::vector<TCustomForm*> activation_;  // most recently activated last
  int32_t width_ = 1024;
  int32_t height_ = 768;
};

// One program the application started: what, how shown, how it ended.
struct ProcessRecord {
  std::string command_line;
  int show_mode = 0;
  int exit_code = -1;
  std::string error;  // why it did not start or did not end normally; empty otherwise
};

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // The driver that works modal windows; nullptr until one is installed.
  ModalDriver* GetModalDriver() const { return driver_.get(); }
  // Installs a driver (the application owns it) and returns the previous one.
  std::unique_ptr<ModalDriver> SetModalDriver(std::unique_ptr<ModalDriver> driver);

  // The clock timers run on (a system clock unless another is installed).
  Clock& GetClock() const { return *clock_; }
  void SetClock(std::unique_ptr<Clock> clock);

  // Frees windows released since the last call and fires every timer that is due, once
  // each (a timer that fell behind fires once, as the platform's timer messages do).
  void ProcessMessages();
  // Runs the message loop for ms milliseconds of the clock: timers fire as they fall due
  // (a real clock is slept on, a hand-driven one moved on).
  void RunFor(int64_t ms);
  // Milliseconds until the next timer is due, or -1 when no timer runs.
  int64_t NextTimerDueInMs() const;

  // A message box: recorded in the message log, answered by the modal driver (IDOK
  // without one for "OK" boxes; raises EInvalidOperation for questions without one).
  int MessageBox(const std::string& text, const std::string& caption,
                 const std::string& buttons = "OK");
  // Records a message window the user saw (message windows built as forms call this).
  void RecordMessage(const std::string& caption, const std::string& text,
                     const std::string& buttons, int answer);
  const std::vector<MessageRecord>& MessageLog() const { return message_log_; }
  void ClearMessageLog() { message_log_.clear(); }

  // Programs started through the command-line runner, in order.
  void RecordProcess(ProcessRecord record) { process_log_.push_back(std::move(record)); }
  const std::vector<ProcessRecord>& ProcessLog() const { return process_log_; }

  // The platform's registry, filled by the host.
  RegistryStore& Registry() { return registry_; }

  // The system beep: counted, so a test can see it sounded.
  void Beep() { ++beeps_; }
  int BeepCount() const { return beeps_; }

 private:
  friend class TTimer;
  friend class TCustomForm;
  void StartTimer(TTimer* timer);
  void StopTimer(TTimer* timer);
  void ReleaseForm(TCustomForm* form);
  void ForgetForm(TCustomForm* form);

  struct RunningTimer {
    TTimer* timer;
    int64_t due_ms;
  };

  std::string title_;
  std::unique_ptr<ModalDriver> driver_;
  std::unique_ptr<Clock> clock_;
  std::vector<RunningTimer> timers_;
  std::vector<TCustomForm*> released_;
  std::vector<MessageRecord> message_log_;
  RegistryStore registry_;
  std::vector<ProcessRecord> process_log_;
  int beeps_ = 0;
};

// The platform's one application object and screen.
TApplication& Application();
TScreen& Screen();
// The application object, or nullptr while it is being replaced or destroyed (for
// destructors of windows and timers, which may run then).
TApplication* CurrentApplication();
// Frees the application object (and every window it owns) and starts a fresh one; for
// tests, so each starts without windows, driver, timers or messages.
void ResetApplication();

}  // namespace platform
