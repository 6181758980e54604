// TCustomForm and TForm: top-level windows, shown modeless or modally through the
// application's modal driver; and TScrollBox.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/component.h"

namespace platform {

// Modal results as the platform numbers them.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// What closing a window does; OnClose may change it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& can_close)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(const TClassInfo* cls = nullptr);
  ~TCustomForm() override;

  // Runs OnCreate; a window class calls it once its controls and handlers are in place.
  void DoCreate();

  // Makes the window visible (OnShow runs when it was hidden) and the active form.
  void Show();
  // Hides the window (OnHide runs when it was visible).
  void Hide();
  // Shows the window modally: OnShow runs, then the application's modal driver works the
  // window until it has a modal result and agrees to close; the window is hidden again
  // and the result returned. Raises EInvalidOperation for a visible or disabled window and
  // when no modal driver is installed.
  TModalResult ShowModal();
  // Closes the window: a modal window gets mrCancel; a modeless one asks OnCloseQuery and
  // OnClose and then hides (or, with caFree, is released).
  void Close();
  // Frees the window at the application's next ProcessMessages (safe inside handlers).
  void Release();
  bool Modal() const { return modal_; }

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }

  bool AutoSize() const { return GetPropValue("AutoSize").AsBoolean(); }
  void SetAutoSize(bool v) { SetPropValue("AutoSize", v); }
  std::string BorderStyle() const { return GetPropValue("BorderStyle").AsString(); }
  void SetBorderStyle(const std::string& v) { SetPropValue("BorderStyle", v); }
  std::string Position() const { return GetPropValue("Position").AsString(); }
  void SetPosition(const std::string& v) { SetPropValue("Position", v); }
  // fsNormal or fsStayOnTop.
  std::string FormStyle() const { return GetPropValue("FormStyle").AsString(); }
  void SetFormStyle(const std::string& v) { SetPropValue("FormStyle", v); }
  bool StayOnTop() const { return SameTextAscii(FormStyle(), "fsStayOnTop"); }
  // "wsNormal", "wsMaximized" or "wsMinimized".
  std::string WindowState() const { return window_state_; }
  void SetWindowState(const std::string& v) { window_state_ = v; }

  // The client area: the outer size less the frame of the border style.
  int32_t ClientWidth() const { return GetPropValue("ClientWidth").AsInteger(); }
  int32_t ClientHeight() const { return GetPropValue("ClientHeight").AsInteger(); }
  void SetClientWidth(int32_t v) { SetPropValue("ClientWidth", v); }
  void SetClientHeight(int32_t v) { SetPropValue("ClientHeight", v); }
  // While set (a form file loading), storing the outer or the client size leaves the
  // other one as stored: a form file that stores both keeps both.
  void SetLoading(bool loading) { loading_ = loading; }
  // Width and height the frame of this window's border style (and its main menu) adds
  // to the client area.
  void FrameSize(int32_t& dx, int32_t& dy) const;

  // Whether a form designer is attached: the window is a form being designed, not one of
  // the IDE's windows or a tool's.
  bool HasDesigner() const { return has_designer_; }
  void SetHasDesigner(bool attached) { has_designer_ = attached; }

  // The control that has the focus when the window shows, or nullptr.
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* control);

  // The Enter and Esc keys: click the visible, enabled default (or cancel) button; false
  // when the window has none.
  bool PressEnter();
  bool PressEscape();

  Variant GetPropValue(std::string_view name) const override;
  void SetPropValue(std::string_view name, const Variant& value, bool strict = true) override;
  void GetClientRect(int32_t& left, int32_t& top, int32_t& width, int32_t& height) const override;
  void Realign() override;
  bool LiveLayout() const override { return live_layout_; }
  // Runs OnDestroy while the window is still whole.
  void BeforeDestruction() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 private:
  bool CloseQuery();
  TCloseAction DoClose(TCloseAction action);
  void VisibleChanging(bool visible);
  void AutoSizeHeight();

  TModalResult modal_result_ = mrNone;
  bool modal_ = false;
  bool destroying_ = false;
  bool live_layout_ = false;  // shown once: layout follows changes from then on
  bool has_designer_ = false;
  bool loading_ = false;
  std::string window_state_ = "wsNormal";
};

class TForm : public TCustomForm {
 public:
  explicit TForm(const TClassInfo* cls = nullptr);
};

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(const TClassInfo* cls = nullptr);
};

// The form a control stands on (walking up the parents), or nullptr.
TCustomForm* GetParentForm(TControl* control);

// The class of that name from the built-in classes, or the fallback class when cls is
// given; used by every control's constructor.
const TClassInfo* ClassOr(const TClassInfo* cls, std::string_view name);

}  // namespace platform
