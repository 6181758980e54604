#include "gui_session.h"

#include <QApplication>
#include <QElapsedTimer>

#include <ostream>

#include "cli.h"
#include "gui/ide_window.h"
#include "gui/window_system.h"
#include "host_session.h"
#include "ide/disk_host.h"
#include "ide/file_system.h"
#include "ide/ide_desktop.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/menus.h"
#include "reg/U_zori_reg.h"

namespace zori::cli {

GuiSession::GuiSession(Context& context) : context_(context), addin_(context) {}

GuiSession::~GuiSession() {
  if (system_ != nullptr) system_->after_event = nullptr;
  if (window_ != nullptr) window_->hide();
  // The package leaves the host's menu and notifiers while host and windows are there.
  if (started_) addin_.Unload();
  window_.reset();
  if (system_ != nullptr) platform::Application().SetModalDriver(std::move(previous_driver_));
  host_.reset();
}

bool GuiSession::Start(const std::vector<std::string>& paths,
                       const std::vector<std::string>& search_paths, std::string* err) {
  if (!addin_.Load(err)) return false;
  started_ = true;
  if (paths.empty()) {
    host_ = std::make_unique<ide::DiskHost>(std::make_shared<ide::RealFileSystem>());
  } else {
    HostSession opened = OpenProject(paths, {}, search_paths);
    host_ = std::move(opened.host);
    if (!opened.errors.empty() && host_->ModuleCount() == 0) {
      *err = opened.errors.front();
      return false;
    }
    for (const std::string& message : opened.errors)
      context_.err << "zori gui: " << message << "\n";
    for (const std::string& note : opened.notes) context_.err << "zori gui: " << note << "\n";
  }
  // The form files were laid out for an 8-point sans-serif font; a larger one overflows.
  QFont font = QApplication::font();
  font.setPointSizeF(7.5);
  QApplication::setFont(font);
  auto system = std::make_unique<gui::WindowSystem>();
  system_ = system.get();
  ide::DiskHost* host = host_.get();
  // The designed forms are drawn on the design surface; the IDE's own windows are the
  // main window's business.
  system_->skip = [host](platform::TCustomForm& form) {
    return form.HasDesigner() || &form == &host->Desktop().MainWindow() ||
           host->Desktop().Window(form.Name()) == &form;
  };
  previous_driver_ = platform::Application().SetModalDriver(std::move(system));
  platform::Application().SetClock(std::make_unique<platform::SystemClock>());
  window_ = std::make_unique<gui::IdeWindow>(*host_);
  system_->after_event = [this] { window_->Refresh(); };
  window_->show();
  Register();
  return true;
}

bool GuiSession::WaitForToolMenu(int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeout_ms) {
    if (v_Inst_ZORIIDEx != nullptr && v_Inst_ZORIIDEx->FMenuBuilt &&
        v_Inst_ZORIIDEx->FMenuZORI != nullptr) {
      window_->Refresh();
      return true;
    }
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return false;
}

platform::TMenuItem* GuiSession::MenuItemFor(const std::string& window_name) const {
  TZORIIDEx_New_Menu_Item* m = v_Inst_ZORIIDEx.get();
  if (m == nullptr) return nullptr;
  const std::pair<const char*, platform::TMenuItem*> items[] = {
      {"F_ZORI_Align", m->FMenuZORIAlign},
      {"F_ZORI_TabOrder", m->FMenuZORITabOrder},
      {"F_ZORI_Manager_Comm", m->FMenuZORIComment},
      {"F_ZORI_Ren_Comps", m->FMenuZORIRenameComps},
      {"F_ZORI_Perf_Layout", m->FMenuZORIPerfectLayout},
      {"F_ZORI_CodeSnippets", m->FMenuZORICodeSnippets},
      {"F_ZORI_Cust_Menu", m->FMenuZORICust_Menu},
      {"F_ZORI_List_Comp", m->FMenuListaCompsForm},
      {"F_ZORI_Config", m->FMenuZORIConfig},
      {"F_ZORI_Resource_Editor", m->FMenuZORIResourceString},
      {"F_ZORI_About", m->FMenuZORIAbout},
  };
  for (const auto& [name, item] : items) {
    if (platform::SameTextAscii(name, window_name)) return item;
  }
  return nullptr;
}

}  // namespace zori::cli
