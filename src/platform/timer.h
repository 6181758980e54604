// TTimer: calls OnTimer every Interval milliseconds of the application's clock while
// enabled; ticks are delivered by the application's ProcessMessages.
#pragma once

#include <cstdint>

#include "platform/component.h"

namespace platform {

class TTimer : public TComponent {
 public:
  explicit TTimer(const TClassInfo* cls = nullptr);
  ~TTimer() override;

  bool Enabled() const { return GetPropValue("Enabled").AsBoolean(); }
  void SetEnabled(bool v) { SetPropValue("Enabled", v); }
  // Milliseconds between ticks; 0 never ticks.
  int32_t Interval() const { return GetPropValue("Interval").AsInteger(); }
  void SetInterval(int32_t v) { SetPropValue("Interval", v); }
  // Setting the handler (re)starts the timer, as assigning OnTimer does on the platform.
  void SetOnTimer(TNotifyEvent handler);
  const TNotifyEvent& OnTimer() const { return on_timer_; }
  // Running: enabled, a positive interval and a handler.
  bool Running() const { return running_; }

  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;

 private:
  friend class TApplication;
  void UpdateTimer();
  void Tick();

  TNotifyEvent on_timer_;
  bool running_ = false;
};

}  // namespace platform
