#include "platform/forms.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/std_controls.h"

namespace platform {

namespace {

bool ShowingOn(const TControl* control, const TCustomForm* form) {
  for (const TControl* c = control; c != nullptr && c != form; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

// The first showing, enabled button below parent for which pick is true.
TButton* FindButton(const TWinControl& parent, const TCustomForm* form,
                    bool (TButton::*pick)() const) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    if (auto* button = dynamic_cast<TButton*>(c)) {
      if ((button->*pick)() && ShowingOn(button, form)) return button;
    }
    if (auto* win = dynamic_cast<TWinControl*>(c)) {
      if (TButton* found = FindButton(*win, form, pick)) return found;
    }
  }
  return nullptr;
}

}  // namespace

const TClassInfo* ClassOr(const TClassInfo* cls, std::string_view name) {
  return cls != nullptr ? cls : BuiltinClasses().Find(name);
}

TCustomForm* GetParentForm(TControl* control) {
  for (TControl* c = control; c != nullptr; c = c->Parent()) {
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  }
  return nullptr;
}

TCustomForm::TCustomForm(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TCustomForm")) {
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
  destroying_ = true;
  if (TApplication* app = CurrentApplication()) app->ForgetForm(this);
  Screen().RemoveForm(this);
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::Show() {
  live_layout_ = true;
  Realign();
  const std::string position = Position();
  if (!Visible() &&
      (SameTextAscii(position, "poScreenCenter") || SameTextAscii(position, "poDesktopCenter") ||
       SameTextAscii(position, "poMainFormCenter") ||
       SameTextAscii(position, "poOwnerFormCenter"))) {
    // Centred on the desktop (this platform has one monitor and no main window to follow).
    SetLeft(std::max(0, (Screen().Width() - Width()) / 2));
    SetTop(std::max(0, (Screen().Height() - Height()) / 2));
  }
  SetVisible(true);
  Screen().SetActiveForm(this);
}

void TCustomForm::Hide() {
  SetVisible(false);
}

void TCustomForm::VisibleChanging(bool visible) {
  if (visible && OnShow) OnShow(this);
  if (!visible && OnHide) OnHide(this);
  if (TApplication* app = CurrentApplication()) {
    if (ModalDriver* driver = app->GetModalDriver()) driver->WindowVisibleChanged(*this, visible);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) {
    throw EInvalidOperation("Cannot make a visible window modal");
  }
  ModalDriver* driver = Application().GetModalDriver();
  if (driver == nullptr) {
    throw EInvalidOperation("No modal driver is installed to show the window " + Name());
  }
  // The window leaves its modal state however the loop ends, an error included.
  struct ModalState {
    TCustomForm& form;
    explicit ModalState(TCustomForm& f) : form(f) { form.modal_ = true; }
    ~ModalState() {
      form.modal_ = false;
      if (!form.destroying_ && form.Visible()) form.SetVisible(false);
    }
  } state(*this);

  modal_result_ = mrNone;
  Show();
  for (int turn = 0;; ++turn) {
    if (modal_result_ == mrNone) {
      const TModalResult answer = driver->RunModal(*this, turn);
      if (modal_result_ == mrNone) modal_result_ = answer != mrNone ? answer : mrCancel;
    }
    // Closing may be refused (OnCloseQuery, or OnClose answering caNone): the user gets
    // another turn.
    TCloseAction action = CloseQuery() ? DoClose(TCloseAction::caHide) : TCloseAction::caNone;
    if (action == TCloseAction::caNone) {
      modal_result_ = mrNone;
      continue;
    }
    if (action == TCloseAction::caFree) Release();
    break;
  }
  return modal_result_;
}

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

TCloseAction TCustomForm::DoClose(TCloseAction action) {
  if (OnClose) OnClose(this, action);
  return action;
}

void TCustomForm::Close() {
  if (modal_) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const TCloseAction action = DoClose(TCloseAction::caHide);
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      window_state_ = "wsMinimized";
      break;
    case TCloseAction::caFree:
      Hide();
      Release();
      break;
    case TCloseAction::caNone:
      break;
  }
}

void TCustomForm::Release() {
  if (TApplication* app = CurrentApplication()) app->ReleaseForm(this);
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::FrameSize(int32_t& dx, int32_t& dy) const {
  // The classic Windows metrics the form files were written with: a sizeable frame is 4
  // pixels on each side, a single or dialog frame 3, a tool window's frame 3 (4 when
  // sizeable); a caption is 19 pixels high, a tool window's small caption 15; a main menu
  // bar adds 19 below the caption.
  const std::string style = BorderStyle();
  int32_t frame = 4;
  int32_t caption = 19;
  if (SameTextAscii(style, "bsNone")) {
    frame = 0;
    caption = 0;
  } else if (SameTextAscii(style, "bsDialog") || SameTextAscii(style, "bsSingle")) {
    frame = 3;
  } else if (SameTextAscii(style, "bsToolWindow")) {
    frame = 3;
    caption = 15;
  } else if (SameTextAscii(style, "bsSizeToolWin")) {
    caption = 15;
  }
  dx = 2 * frame;
  dy = 2 * frame + caption;
  if (!GetPropValue("Menu").AsString().empty()) dy += 19;
}

Variant TCustomForm::GetPropValue(std::string_view name) const {
  int32_t dx = 0;
  int32_t dy = 0;
  const bool client_w = SameTextAscii(name, "ClientWidth");
  const bool client_h = SameTextAscii(name, "ClientHeight");
  const bool outer_w = SameTextAscii(name, "Width");
  const bool outer_h = SameTextAscii(name, "Height");
  if (!(client_w || client_h || outer_w || outer_h)) return TWinControl::GetPropValue(name);
  FrameSize(dx, dy);
  // Whichever of the outer and the client size is stored gives the other one.
  if (client_w || client_h) {
    if (const Variant* v = FindStored(name)) return *v;
    const Variant* outer = FindStored(client_w ? "Width" : "Height");
    if (outer == nullptr) return 0;
    return std::max(0, outer->AsInteger() - (client_w ? dx : dy));
  }
  if (const Variant* v = FindStored(name)) return *v;
  const Variant* client = FindStored(outer_w ? "ClientWidth" : "ClientHeight");
  if (client == nullptr) return TWinControl::GetPropValue(name);
  return client->AsInteger() + (outer_w ? dx : dy);
}

void TCustomForm::SetPropValue(std::string_view name, const Variant& value, bool strict) {
  if (SameTextAscii(name, "Visible")) {
    const bool was = Visible();
    const bool now = value.AsBoolean();
    TWinControl::SetPropValue(name, now, strict);
    if (was != now) VisibleChanging(now);
    return;
  }
  const bool client_w = SameTextAscii(name, "ClientWidth");
  const bool client_h = SameTextAscii(name, "ClientHeight");
  const bool outer_w = SameTextAscii(name, "Width");
  const bool outer_h = SameTextAscii(name, "Height");
  if (client_w || client_h || outer_w || outer_h) {
    int32_t dx = 0;
    int32_t dy = 0;
    FrameSize(dx, dy);
    const int32_t v = value.AsInteger();
    // Keep the other of the pair in step when it is stored too; while a form file loads,
    // both stored values are kept as the file gives them.
    if (loading_) {
      TComponent::SetPropValue(name, v, strict);
      return;
    }
    if (client_w && FindStored("Width") != nullptr) TComponent::SetPropValue("Width", v + dx);
    if (client_h && FindStored("Height") != nullptr) TComponent::SetPropValue("Height", v + dy);
    if (outer_w && FindStored("ClientWidth") != nullptr) {
      TComponent::SetPropValue("ClientWidth", std::max(0, v - dx));
    }
    if (outer_h && FindStored("ClientHeight") != nullptr) {
      TComponent::SetPropValue("ClientHeight", std::max(0, v - dy));
    }
    TComponent::SetPropValue(name, v, strict);
    if (live_layout_) Realign();
    return;
  }
  TWinControl::SetPropValue(name, value, strict);
  if ((SameTextAscii(name, "AutoSize") || SameTextAscii(name, "BorderStyle")) && live_layout_) {
    Realign();
  }
}

void TCustomForm::GetClientRect(int32_t& left, int32_t& top, int32_t& width,
                                int32_t& height) const {
  left = 0;
  top = 0;
  width = ClientWidth();
  height = ClientHeight();
}

void TCustomForm::Realign() {
  if (Aligning()) return;
  TWinControl::Realign();
  if (AutoSize()) AutoSizeHeight();
}

void TCustomForm::AutoSizeHeight() {
  int32_t needed = 0;
  int32_t loose = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible()) continue;
    const std::string align = c->GetPropValue("Align").AsString();
    if (SameTextAscii(align, "alTop") || SameTextAscii(align, "alBottom")) {
      needed += c->Height();
    } else if (SameTextAscii(align, "alNone") || align.empty()) {
      loose = std::max(loose, c->Top() + c->Height());
    }
  }
  needed = std::max(needed, loose);
  if (needed != ClientHeight()) SetClientHeight(needed);
}

TWinControl* TCustomForm::ActiveControl() const {
  return dynamic_cast<TWinControl*>(GetComponentRef("ActiveControl"));
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control != nullptr) {
    if (GetParentForm(control) != this || !ShowingOn(control, this)) {
      throw EInvalidOperation("Cannot focus a disabled or invisible window");
    }
  }
  SetPropValue("ActiveControl", control != nullptr ? control->Name() : std::string());
}

bool TCustomForm::PressEnter() {
  TButton* button = FindButton(*this, this, &TButton::Default);
  if (button == nullptr) return false;
  button->Click();
  return true;
}

bool TCustomForm::PressEscape() {
  TButton* button = FindButton(*this, this, &TButton::Cancel);
  if (button == nullptr) return false;
  button->Click();
  return true;
}

TForm::TForm(const TClassInfo* cls) : TCustomForm(ClassOr(cls, "TForm")) {}

TScrollBox::TScrollBox(const TClassInfo* cls) : TWinControl(ClassOr(cls, "TScrollBox")) {}

}  // namespace platform
