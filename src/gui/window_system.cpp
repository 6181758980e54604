#include "gui/window_system.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/form_window.h"
#include "gui/qt_convert.h"
#include "platform/application.h"

namespace gui {

WindowSystem* CurrentWindowSystem() {
  platform::TApplication* app = platform::CurrentApplication();
  return app != nullptr ? dynamic_cast<WindowSystem*>(app->GetModalDriver()) : nullptr;
}

void Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    // The platform's application shows an unhandled error in a box and carries on.
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("zori"),
                          QString::fromUtf8(e.what()));
  }
}

WindowSystem::WindowSystem() {
  // Timers are due at most every few milliseconds; a short pump keeps them on time without
  // a Qt timer per platform timer.
  pump_.setInterval(15);
  QObject::connect(&pump_, &QTimer::timeout, &context_, [this] { Pump(); });
  pump_.start();
}

WindowSystem::~WindowSystem() {
  pump_.stop();
  std::map<const platform::TCustomForm*, FormWindow*> windows;
  windows.swap(windows_);
  for (auto& [form, window] : windows) {
    window->Detach();
    delete window;
  }
}

void WindowSystem::Pump() {
  platform::TApplication* app = platform::CurrentApplication();
  // A timer's handler that opens a modal window runs Qt's loop again: its own timer is
  // not served again until the handler has returned.
  if (app == nullptr || pumping_) return;
  pumping_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{pumping_};
  const int64_t due = app->NextTimerDueInMs();
  bool dirty = due == 0;
  for (auto& [form, window] : windows_) dirty = dirty || window->Dirty();
  if (!dirty) {
    app->ProcessMessages();  // releases windows freed by their handlers
    return;
  }
  Guarded([app] { app->ProcessMessages(); });
  AfterEvent();
}

FormWindow* WindowSystem::WindowOf(const platform::TCustomForm& form) const {
  auto it = windows_.find(&form);
  return it != windows_.end() ? it->second : nullptr;
}

FormWindow* WindowSystem::Ensure(platform::TCustomForm& form) {
  if (FormWindow* window = WindowOf(form)) return window;
  auto* window = new FormWindow(form, *this);  // deleted by Forget or the destructor
  windows_[&form] = window;
  return window;
}

void WindowSystem::Forget(FormWindow* window) {
  for (auto it = windows_.begin(); it != windows_.end(); ++it) {
    if (it->second == window) {
      windows_.erase(it);
      break;
    }
  }
}

void WindowSystem::AfterEvent() {
  std::vector<FormWindow*> windows;
  for (auto& [form, window] : windows_) windows.push_back(window);
  for (FormWindow* window : windows) window->SyncAll();
  if (after_event) after_event();
}

void WindowSystem::WindowVisibleChanged(platform::TCustomForm& form, bool visible) {
  if (skip && skip(form)) return;
  if (!visible) {
    if (FormWindow* window = WindowOf(form)) window->hide();
    return;
  }
  FormWindow* window = Ensure(form);
  window->ShowWindow();
  if (on_shown) {
    // Laid out and painted first, as the user would see it.
    QTimer::singleShot(50, window, [this, window] {
      if (on_shown) on_shown(*window);
    });
  }
}

platform::TModalResult WindowSystem::RunModal(platform::TCustomForm& form, int turn) {
  (void)turn;
  FormWindow* window = Ensure(form);
  if (!window->isVisible()) window->ShowWindow();
  if (form.ModalResult() == platform::mrNone) {
    QEventLoop loop;
    window->SetModalLoop(&loop);
    loop.exec();
    if (FormWindow* still = WindowOf(form)) still->SetModalLoop(nullptr);
  }
  return form.ModalResult() != platform::mrNone ? form.ModalResult() : platform::mrCancel;
}

int WindowSystem::MessageBox(const platform::MessageRecord& message) {
  if (answer) return answer(message);
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(ToQt(message.caption));
  box.setText(ToQt(message.text));
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  if (message.buttons == "OKCancel") buttons = QMessageBox::Ok | QMessageBox::Cancel;
  if (message.buttons == "YesNo") buttons = QMessageBox::Yes | QMessageBox::No;
  if (message.buttons == "YesNoCancel") {
    buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  box.setStandardButtons(buttons);
  box.setIcon(message.buttons == "OK" ? QMessageBox::Information : QMessageBox::Question);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return platform::IDYES;
    case QMessageBox::No:
      return platform::IDNO;
    case QMessageBox::Cancel:
      return platform::IDCANCEL;
    case QMessageBox::Ok:
      return platform::IDOK;
    default:
      return message.buttons == "OK" ? platform::IDOK : platform::IDCANCEL;
  }
}

std::optional<std::string> WindowSystem::ChooseFile(const std::string& title) {
  const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), ToQt(title));
  if (file.isEmpty()) return std::nullopt;
  return FromQt(file);
}

}  // namespace gui
