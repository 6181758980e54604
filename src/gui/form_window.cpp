#include "gui/form_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>

#include "gui/control_peer.h"
#include "gui/qt_convert.h"
#include "gui/window_system.h"
#include "platform/forms.h"

namespace gui {

FormWindow::FormWindow(platform::TCustomForm& form, WindowSystem& system)
    : QWidget(nullptr), form_(&form), system_(system) {
  setObjectName(ToQt(form.Name()));
  setAttribute(Qt::WA_DeleteOnClose, false);
  form.SetPeer(this);
  SyncAll();
}

FormWindow::~FormWindow() {
  Detach();
}

void FormWindow::Detach() {
  std::vector<std::unique_ptr<ControlPeer>> peers;
  peers.swap(peers_);
  peers.clear();  // each lets go of its control
  if (form_ != nullptr && form_->Peer() == this) form_->SetPeer(nullptr);
  form_ = nullptr;
}

void FormWindow::ShowWindow() {
  if (form_ == nullptr) return;
  Qt::WindowFlags flags = Qt::Window;
  const std::string border = form_->BorderStyle();
  if (border == "bsToolWindow" || border == "bsSizeToolWin") flags = Qt::Tool;
  if (border == "bsDialog") flags = Qt::Dialog;
  if (form_->StayOnTop()) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  setWindowModality(form_->Modal() ? Qt::ApplicationModal : Qt::NonModal);
  SyncAll();
  show();
  raise();
  activateWindow();
}

void FormWindow::AddPeers(platform::TControl& parent_control, QWidget* parent_widget) {
  auto* parent = dynamic_cast<platform::TWinControl*>(&parent_control);
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    platform::TControl* child = parent->Controls(i);
    ControlPeer* peer = dynamic_cast<ControlPeer*>(child->Peer());
    if (peer == nullptr) {
      peers_.push_back(std::make_unique<ControlPeer>(*child, parent_widget, *this));
      peer = peers_.back().get();
      peer->Widget()->show();
    } else {
      peer->Sync();
    }
    AddPeers(*child, peer->ClientWidget());
  }
}

void FormWindow::SyncAll() {
  if (form_ == nullptr || syncing_) return;
  syncing_ = true;
  dirty_ = false;
  // Peers of controls that are gone leave first.
  std::erase_if(peers_,
                [](const std::unique_ptr<ControlPeer>& p) { return p->Control() == nullptr; });
  setWindowTitle(CaptionToQt(form_->Caption()));
  const int width = std::max(1, form_->ClientWidth());
  const int height = std::max(1, form_->ClientHeight());
  const std::string border = form_->BorderStyle();
  if (border == "bsDialog" || border == "bsSingle" || border == "bsToolWindow") {
    setFixedSize(width, height);
  } else if (size() != QSize(width, height)) {
    resize(width, height);
  }
  // Stay on top may be switched while the window shows (the palette's pop-up menu).
  const bool on_top = form_->StayOnTop();
  if (on_top != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    const bool was_visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (was_visible) show();
  }
  if (auto color = ColorOf(*form_, "Color")) {
    QPalette p = palette();
    p.setColor(QPalette::Window, *color);
    setPalette(p);
  }
  AddPeers(*form_, this);
  syncing_ = false;
}

ControlPeer* FormWindow::PeerOf(const std::string& name) const {
  for (const auto& peer : peers_) {
    if (peer->Control() != nullptr && platform::SameTextAscii(peer->Control()->Name(), name)) {
      return peer.get();
    }
  }
  return nullptr;
}

QWidget* FormWindow::WidgetOf(const std::string& name) const {
  ControlPeer* peer = PeerOf(name);
  return peer != nullptr ? peer->Widget() : nullptr;
}

void FormWindow::AfterEvent() {
  system_.AfterEvent();
  if (modal_loop_ != nullptr && (form_ == nullptr || form_->ModalResult() != platform::mrNone)) {
    modal_loop_->exit();
  }
}

void FormWindow::PropertyChanged(platform::TComponent& component, std::string_view name) {
  (void)component;
  (void)name;
  dirty_ = true;
}

void FormWindow::ComponentDestroyed(platform::TComponent& component) {
  (void)component;
  // The form goes: its controls are still whole, so the peers can let go of them now.
  Detach();
  system_.Forget(this);
  if (modal_loop_ != nullptr) modal_loop_->exit();
  hide();
  deleteLater();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The close box asks the form, which decides (a modal form gets mrCancel).
  event->ignore();
  if (form_ == nullptr) {
    hide();
    return;
  }
  platform::TCustomForm* form = form_;
  Guarded([form] { form->Close(); });
  AfterEvent();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (form_ == nullptr) return QWidget::keyPressEvent(event);
  platform::TCustomForm* form = form_;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Guarded([form] { form->PressEnter(); });
    AfterEvent();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    Guarded([form] {
      if (!form->PressEscape() && form->Modal()) form->SetModalResult(platform::mrCancel);
    });
    AfterEvent();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace gui
