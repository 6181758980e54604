#include "ide/ide_desktop.h"

#include <cctype>

#include "ide/file_system.h"
#include "ide/ide_main_menu.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"

namespace ide {

namespace {

// The IDE's windows on a 1024 by 768 screen when the project has no desktop file.
const DskWindow kDefaultDesktop[] = {
    {"Main Window", 0, 0, 1024, 105, true, true, false, 0},
    {"ObjectInspector", 0, 106, 210, 630, true, true, false, 0},
    {"ObjectTree", 0, 106, 210, 200, true, false, false, 0},
    {"EditWindow0", 212, 106, 812, 630, true, true, false, 0},
    {"CodeExplorer@EditWindow0", 0, 12, 140, 578, true, true, true, 0},
    {"ProjectManager", 369, 255, 438, 303, true, false, false, 0},
    {"AlignmentPalette", 580, 130, 140, 90, false, false, false, 0},
    {"WatchWindow", 212, 560, 480, 150, false, false, false, 0},
};

constexpr const char* kStates[] = {"wsNormal", "wsMinimized", "wsMaximized"};

int StateOf(const platform::TForm& form) {
  for (int i = 0; i < 3; ++i) {
    if (form.WindowState() == kStates[i]) return i;
  }
  return 0;
}

DskWindow Current(const platform::TForm& form, const DskWindow& loaded) {
  DskWindow now = loaded;
  now.left = form.Left();
  now.top = form.Top();
  now.width = form.Width();
  now.height = form.Height();
  now.visible = form.Visible();
  now.state = StateOf(form);
  return now;
}

bool SamePlace(const DskWindow& a, const DskWindow& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
         a.visible == b.visible && a.state == b.state;
}

}  // namespace

std::string IdeWindowName(std::string_view section) {
  const std::string_view own = section.substr(0, section.find('@'));
  std::string name;
  for (char c : own) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_') name += c;
  }
  if (name == "MainWindow") return "AppBuilder";
  if (name == "ObjectInspector") return "PropertyInspector";
  if (name == "ProjectManager") return "ProjectManagerForm";
  if (name == "ObjectTree") return "ObjectTreeView";
  if (name.rfind("EditWindow", 0) == 0 && name.size() > 10) return "EditWindow_" + name.substr(10);
  return name;
}

IdeDesktop::IdeDesktop() : main_(std::make_unique<platform::TForm>()) {
  main_->SetName("AppBuilder");
  main_->SetCaption("Delphi 6");
  menu_ = BuildIdeMainMenu(*main_);
}

IdeDesktop::~IdeDesktop() {
  // Docked windows leave their hosts before any window goes.
  for (auto& form : others_) form->SetParent(nullptr);
  others_.clear();
}

platform::TForm* IdeDesktop::Window(std::string_view name) const {
  if (platform::SameTextAscii(main_->Name(), name)) return main_.get();
  for (const auto& form : others_) {
    if (platform::SameTextAscii(form->Name(), name)) return form.get();
  }
  return nullptr;
}

platform::TForm* IdeDesktop::Place(const DskWindow& window) {
  const std::string name = IdeWindowName(window.section);
  platform::TForm* form = Window(name);
  if (form == nullptr) {
    others_.push_back(std::make_unique<platform::TForm>());
    form = others_.back().get();
    form->SetName(name);
    // The IDE's windows are made of controls (a tree, a grid, an editor); the stand-in
    // owns one that fills it, so tools that skip empty windows treat it as the IDE's.
    auto* content = platform::TComponent::Create<platform::TPanel>(*form);
    content->SetName("pnlContent");
    content->SetParent(form);
    content->SetPropValue("Align", "alClient");
  }
  form->SetBounds(window.left, window.top, window.width, window.height);
  form->SetWindowState(kStates[window.state >= 0 && window.state < 3 ? window.state : 0]);
  form->SetVisible(window.visible);
  // A docked window sits in its host window ("CodeExplorer@EditWindow0").
  const size_t at = window.section.find('@');
  if (window.docked && at != std::string::npos) {
    if (platform::TForm* host = Window(IdeWindowName(window.section.substr(at + 1)))) {
      form->SetParent(host);
    }
  }
  windows_.push_back({form, window});
  return form;
}

bool IdeDesktop::Load(FileSystem& fs, const std::string& path, std::string* err) {
  windows_.clear();
  dsk_.reset();
  dsk_path_.clear();
  bool ok = true;
  std::vector<DskWindow> windows;
  if (!path.empty()) {
    dsk_ = DskFile::Load(fs, path, err);
    ok = dsk_ != nullptr;
  }
  if (dsk_ != nullptr) {
    dsk_path_ = path;
    windows = dsk_->Windows();
  } else {
    windows.assign(std::begin(kDefaultDesktop), std::end(kDefaultDesktop));
  }
  // Hosts first, so docked windows find them.
  for (const DskWindow& window : windows) {
    if (window.section.find('@') == std::string::npos) Place(window);
  }
  for (const DskWindow& window : windows) {
    if (window.section.find('@') != std::string::npos) Place(window);
  }
  return ok;
}

bool IdeDesktop::Save(FileSystem& fs, std::string* err) {
  if (dsk_ == nullptr) return true;
  bool changed = false;
  for (Placed& placed : windows_) {
    const DskWindow now = Current(*placed.form, placed.as_loaded);
    if (SamePlace(now, placed.as_loaded)) continue;
    dsk_->SetWindow(now);
    placed.as_loaded = now;
    changed = true;
  }
  return !changed || dsk_->Save(fs, dsk_path_, err);
}

}  // namespace ide
