// The platform's window system on Qt: modal windows run a nested Qt event loop, modeless
// windows become Qt windows while visible, message boxes and file choosers are Qt dialogs,
// and the platform's timers and released windows are served from a Qt timer.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

#include "platform/modal_driver.h"

namespace gui {

class FormWindow;

class WindowSystem : public platform::ModalDriver {
 public:
  WindowSystem();
  ~WindowSystem() override;

  platform::TModalResult RunModal(platform::TCustomForm& form, int turn) override;
  int MessageBox(const platform::MessageRecord& message) override;
  std::optional<std::string> ChooseFile(const std::string& title) override;
  void WindowVisibleChanged(platform::TCustomForm& form, bool visible) override;

  // Forms that are not shown as windows of their own (the designed forms, the IDE's
  // windows): true skips the form.
  std::function<bool(platform::TCustomForm& form)> skip;
  // Runs once a window has been shown and laid out (a screenshot waits for it).
  std::function<void(FormWindow& window)> on_shown;
  // When set, message boxes are answered by it instead of shown (a run without a user).
  std::function<int(const platform::MessageRecord& message)> answer;
  // Runs after every user event on a window and every timer tick that did something, so
  // the IDE stand-in can show what the add-in changed.
  std::function<void()> after_event;

  // The window showing form, or nullptr.
  FormWindow* WindowOf(const platform::TCustomForm& form) const;
  // Brings every window up to date with its form, then runs after_event.
  void AfterEvent();

 private:
  friend class FormWindow;
  FormWindow* Ensure(platform::TCustomForm& form);
  void Forget(FormWindow* window);
  void Pump();

  std::map<const platform::TCustomForm*, FormWindow*> windows_;
  QObject context_;
  QTimer pump_;
  bool pumping_ = false;
};

// The window system installed as the application's driver, or nullptr.
WindowSystem* CurrentWindowSystem();

// Runs action, showing a platform error as the application would (an error box) instead of
// letting it through Qt's event loop.
void Guarded(const std::function<void()>& action);

}  // namespace gui
