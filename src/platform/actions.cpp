#include "platform/actions.h"

#include "platform/forms.h"

namespace platform {

TBasicAction::TBasicAction(const TClassInfo* cls) : TComponent(ClassOr(cls, "TBasicAction")) {}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

TCustomAction::TCustomAction(const TClassInfo* cls) : TBasicAction(ClassOr(cls, "TCustomAction")) {}

bool TCustomAction::Execute() {
  return Enabled() && TBasicAction::Execute();
}

TAction::TAction(const TClassInfo* cls) : TCustomAction(ClassOr(cls, "TAction")) {}

TActionList::TActionList(const TClassInfo* cls) : TComponent(ClassOr(cls, "TActionList")) {}

}  // namespace platform
