#include "platform/timer.h"

#include "platform/application.h"

namespace platform {

TTimer::TTimer(const TClassInfo* cls)
    : TComponent(cls != nullptr ? cls : BuiltinClasses().Find("TTimer")) {}

TTimer::~TTimer() {
  if (running_ && CurrentApplication() != nullptr) CurrentApplication()->StopTimer(this);
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  on_timer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  TComponent::SetPropValue(name, value, strict);
  if (SameTextAscii(name, "Enabled") || SameTextAscii(name, "Interval")) UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) Application().StopTimer(this);
  running_ = Enabled() && Interval() > 0 && on_timer_ != nullptr;
  if (running_) Application().StartTimer(this);
}

void TTimer::Tick() {
  // A copy: the handler may replace itself or free this timer.
  TNotifyEvent handler = on_timer_;
  if (handler) handler(this);
}

}  // namespace platform
