// Actions: a command with a handler, which menu items and buttons can run.
#pragma once

#include "platform/component.h"

namespace platform {

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(const TClassInfo* cls = nullptr);
  // Runs OnExecute; false when the action has no handler (or is disabled).
  virtual bool Execute();

  TNotifyEvent OnExecute;
};

class TCustomAction : public TBasicAction {
 public:
  explicit TCustomAction(const TClassInfo* cls = nullptr);
  bool Enabled() const { return GetPropValue("Enabled").AsBoolean(); }
  void SetEnabled(bool v) { SetPropValue("Enabled", v); }
  bool Execute() override;
};

class TAction : public TCustomAction {
 public:
  explicit TAction(const TClassInfo* cls = nullptr);
};

class TActionList : public TComponent {
 public:
  explicit TActionList(const TClassInfo* cls = nullptr);
};

}  // namespace platform
