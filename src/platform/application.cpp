#include "platform/application.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/timer.h"

namespace platform {

namespace {

// The screen outlives the application object: windows the application frees leave the
// screen's list while being destroyed.
struct PlatformGlobals {
  TScreen screen;
  std::unique_ptr<TApplication> application = std::make_unique<TApplication>();

  ~PlatformGlobals() { Replace(nullptr); }
  // The old object is destroyed while application is already null, so windows freed by
  // it see no application rather than a half-destroyed one.
  void Replace(std::unique_ptr<TApplication> next) {
    std::unique_ptr<TApplication> old = std::move(application);
    old.reset();
    application = std::move(next);
  }
};

PlatformGlobals& Globals() {
  static PlatformGlobals globals;
  return globals;
}

}  // namespace

TApplication& Application() {
  return *Globals().application;
}

TScreen& Screen() {
  return Globals().screen;
}

TApplication* CurrentApplication() {
  return Globals().application.get();
}

void ResetApplication() {
  Globals().Replace(nullptr);
  Globals().application = std::make_unique<TApplication>();
}

// --- TScreen --------------------------------------------------------------------------

TCustomForm* TScreen::ActiveForm() const {
  for (auto it = activation_.rbegin(); it != activation_.rend(); ++it) {
    if ((*it)->Visible()) return *it;
  }
  return nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
  std::erase(activation_, form);
  if (form != nullptr) activation_.push_back(form);
}

void TScreen::AddForm(TCustomForm* form) {
  forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  std::erase(activation_, form);
}

// --- TApplication ---------------------------------------------------------------------

TApplication::TApplication()
    : TComponent(BuiltinClasses().Find("TApplication")), clock_(std::make_unique<SystemClock>()) {}

TApplication::~TApplication() {
  for (RunningTimer& t : timers_) t.timer->running_ = false;
  timers_.clear();
  released_.clear();
  // Free the owned windows now, while this object's members still exist.
  while (ComponentCount() > 0) {
    TComponent* last = Components(ComponentCount() - 1);
    last->BeforeDestruction();
    RemoveComponent(last).reset();
  }
}

std::unique_ptr<ModalDriver> TApplication::SetModalDriver(std::unique_ptr<ModalDriver> driver) {
  std::swap(driver, driver_);
  return driver;
}

void TApplication::SetClock(std::unique_ptr<Clock> clock) {
  if (clock == nullptr) clock = std::make_unique<SystemClock>();
  const int64_t old_now = clock_->NowMs();
  clock_ = std::move(clock);
  // Running timers keep the time they still had to wait.
  const int64_t now = clock_->NowMs();
  for (RunningTimer& t : timers_) t.due_ms = now + std::max<int64_t>(0, t.due_ms - old_now);
}

void TApplication::StartTimer(TTimer* timer) {
  StopTimer(timer);
  timers_.push_back({timer, clock_->NowMs() + timer->Interval()});
}

void TApplication::StopTimer(TTimer* timer) {
  std::erase_if(timers_, [timer](const RunningTimer& t) { return t.timer == timer; });
}

void TApplication::ReleaseForm(TCustomForm* form) {
  if (std::find(released_.begin(), released_.end(), form) == released_.end()) {
    released_.push_back(form);
  }
}

void TApplication::ForgetForm(TCustomForm* form) {
  std::erase(released_, form);
}

void TApplication::ProcessMessages() {
  std::vector<TCustomForm*> released;
  released.swap(released_);
  for (TCustomForm* form : released) {
    // Released windows without an owner have no one to free them; they stay hidden.
    if (form->Owner() != nullptr) form->Free();
  }

  const int64_t now = clock_->NowMs();
  std::vector<TTimer*> due;
  for (const RunningTimer& t : timers_) {
    if (t.due_ms <= now) due.push_back(t.timer);
  }
  for (TTimer* timer : due) {
    // A handler may stop or free other timers (or itself): fire only those still running.
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [timer](const RunningTimer& t) { return t.timer == timer; });
    if (it == timers_.end()) continue;
    it->due_ms = now + timer->Interval();
    timer->Tick();
  }
}

void TApplication::RunFor(int64_t ms) {
  const int64_t end = clock_->NowMs() + std::max<int64_t>(0, ms);
  ProcessMessages();
  for (int64_t now = clock_->NowMs(); now < end; now = clock_->NowMs()) {
    const int64_t next = NextTimerDueInMs();
    const int64_t wait = next < 0 ? end - now : std::min(next, end - now);
    // A due timer whose tick did not move it on must not spin the loop.
    clock_->Sleep(std::max<int64_t>(wait, 1));
    ProcessMessages();
  }
}

int64_t TApplication::NextTimerDueInMs() const {
  if (timers_.empty()) return -1;
  int64_t next = timers_.front().due_ms;
  for (const RunningTimer& t : timers_) next = std::min(next, t.due_ms);
  return std::max<int64_t>(0, next - clock_->NowMs());
}

int TApplication::MessageBox(const std::string& text, const std::string& caption,
                             const std::string& buttons) {
  MessageRecord record{caption, text, buttons, IDOK};
  if (driver_ != nullptr) {
    record.answer = driver_->MessageBox(record);
  } else if (buttons != "OK") {
    message_log_.push_back(record);
    throw EInvalidOperation("No modal driver is installed to answer the question \"" + text + "\"");
  }
  message_log_.push_back(record);
  return record.answer;
}

void TApplication::RecordMessage(const std::string& caption, const std::string& text,
                                 const std::string& buttons, int answer) {
  message_log_.push_back({caption, text, buttons, answer});
}

}  // namespace platform
