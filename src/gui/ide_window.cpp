#include "gui/ide_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>

#include <filesystem>

#include "gui/design_surface.h"
#include "gui/qt_convert.h"
#include "gui/window_system.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "ide/ide_desktop.h"
#include "ide/source_editor.h"
#include "platform/menus.h"

namespace gui {
namespace {

std::string Stem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

}  // namespace

IdeWindow::IdeWindow(ide::DiskHost& host) : host_(host) {
  setObjectName(QStringLiteral("IdeWindow"));
  auto* split = new QSplitter(this);
  tree_ = new QTreeWidget(split);
  tree_->setObjectName(QStringLiteral("ProjectTree"));
  tree_->setHeaderHidden(true);
  pages_ = new QTabWidget(split);
  auto* scroll = new QScrollArea(pages_);
  surface_ = new DesignSurface();
  scroll->setWidget(surface_);
  scroll->setWidgetResizable(false);
  code_ = new QPlainTextEdit(pages_);
  code_->setObjectName(QStringLiteral("CodePane"));
  code_->setReadOnly(true);
  code_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono(QStringLiteral("Monospace"));
  mono.setStyleHint(QFont::TypeWriter);
  code_->setFont(mono);
  pages_->addTab(scroll, QStringLiteral("Form"));
  pages_->addTab(code_, QStringLiteral("Code"));
  split->setStretchFactor(1, 1);
  split->setSizes({220, 880});
  setCentralWidget(split);
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);

  QObject::connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    const QVariant index = item->data(0, Qt::UserRole);
    if (index.isValid()) {
      OpenModule(index.toInt());
      pages_->setCurrentIndex(item->data(0, Qt::UserRole + 1).toBool() ? 0 : 1);
    }
  });
  QObject::connect(code_, &QPlainTextEdit::cursorPositionChanged, this, [this] { CursorMoved(); });
  surface_->changed = [this] { Refresh(); };

  setWindowTitle(QStringLiteral("zori - ") + ToQt(Stem(host_.ProjectFile())));
  BuildMenu();
  FillTree();
  if (host_.CurrentModuleIndex() >= 0) OpenModule(host_.CurrentModuleIndex());
  resize(1100, 720);
}

IdeWindow::~IdeWindow() {
  surface_->changed = nullptr;
}

QAction* IdeWindow::ActionOf(const platform::TMenuItem* item) const {
  for (QAction* action : findChildren<QAction*>()) {
    if (action->data().value<void*>() == item) return action;
  }
  return nullptr;
}

std::string IdeWindow::MenuFingerprint() const {
  platform::TMainMenu* menu = host_.Desktop().MainMenu();
  if (menu == nullptr) return {};
  std::string print;
  std::function<void(platform::TMenuItem*)> walk = [&](platform::TMenuItem* item) {
    print += item->Caption() + (item->Visible() ? "|" : "~") + (item->Enabled() ? "" : "!");
    print += std::to_string(item->Count()) + ";";
    // A picture swapped under the same caption (the palette item's open and closed looks).
    uint32_t picture = 0;
    for (uint32_t pixel : item->Bitmap().Pixels()) picture = picture * 31 + pixel;
    if (picture != 0) print += std::to_string(picture) + ";";
    for (int i = 0; i < item->Count(); ++i) walk(item->Items(i));
  };
  walk(menu->Items());
  return print;
}

void IdeWindow::BuildMenu() {
  platform::TMainMenu* menu = host_.Desktop().MainMenu();
  menu_print_ = MenuFingerprint();
  menuBar()->clear();
  if (menu == nullptr) return;
  platform::TCustomImageList* images = menu->Images();
  std::function<void(QMenu*, platform::TMenuItem*)> fill = [&](QMenu* into,
                                                               platform::TMenuItem* parent) {
    for (int i = 0; i < parent->Count(); ++i) {
      platform::TMenuItem* item = parent->Items(i);
      if (!item->Visible()) continue;
      if (item->IsLine()) {
        into->addSeparator();
        continue;
      }
      QIcon icon = item->Bitmap().Empty() ? IconOf(images, item->ImageIndex())
                                          : QIcon(QPixmap::fromImage(ToImage(item->Bitmap())));
      if (item->Count() > 0) {
        QMenu* sub = into->addMenu(icon, CaptionToQt(item->Caption()));
        sub->setObjectName(ToQt(item->Name()));
        sub->menuAction()->setData(QVariant::fromValue(static_cast<void*>(item)));
        fill(sub, item);
        continue;
      }
      QAction* action = into->addAction(icon, CaptionToQt(item->Caption()));
      action->setObjectName(ToQt(item->Name()));
      action->setData(QVariant::fromValue(static_cast<void*>(item)));
      action->setEnabled(item->Enabled());
      action->setShortcut(ToKeySequence(item->ShortCut()));
      action->setStatusTip(ToQt(item->Hint()));
      QObject::connect(action, &QAction::triggered, this, [this, item] {
        Guarded([item] { item->Click(); });
        if (WindowSystem* system = CurrentWindowSystem()) system->AfterEvent();
        Refresh();
      });
    }
  };
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    platform::TMenuItem* top = menu->Items()->Items(i);
    if (!top->Visible()) continue;
    QMenu* sub = menuBar()->addMenu(CaptionToQt(top->Caption()));
    sub->setObjectName(ToQt(top->Name()));
    sub->menuAction()->setData(QVariant::fromValue(static_cast<void*>(top)));
    fill(sub, top);
  }
}

void IdeWindow::FillTree() {
  tree_->clear();
  auto* project = new QTreeWidgetItem(
      tree_, {ToQt(std::filesystem::path(host_.ProjectFile()).filename().string())});
  for (int i = 0; i < host_.ModuleCount(); ++i) {
    std::shared_ptr<ide::DiskModule> module = host_.Module(i);
    auto* unit = new QTreeWidgetItem(project, {ToQt(Stem(module->GetFileName()) + ".pas")});
    unit->setData(0, Qt::UserRole, i);
    unit->setData(0, Qt::UserRole + 1, false);
    if (module->Form() != nullptr && module->Form()->Root() != nullptr) {
      auto* form = new QTreeWidgetItem(unit, {ToQt(module->Form()->Root()->Name())});
      form->setData(0, Qt::UserRole, i);
      form->setData(0, Qt::UserRole + 1, true);
    }
  }
  tree_->expandAll();
}

void IdeWindow::OpenModule(int index) {
  if (index < 0 || index >= host_.ModuleCount()) return;
  host_.SetCurrentModule(index);
  module_ = index;
  std::shared_ptr<ide::DiskModule> module = host_.Module(index);
  surface_->SetForm(module->Form());
  shown_text_.clear();
  ShowSource();
  Refresh();
}

bool IdeWindow::OpenUnit(const std::string& unit) {
  const std::string wanted = Stem(unit);
  for (int i = 0; i < host_.ModuleCount(); ++i) {
    if (platform::SameTextAscii(Stem(host_.Module(i)->GetFileName()), wanted)) {
      OpenModule(i);
      return true;
    }
  }
  return false;
}

void IdeWindow::ShowSource() {
  if (module_ < 0 || module_ >= host_.ModuleCount()) return;
  ide::SourceEditor& source = host_.Module(module_)->Source();
  std::string text = source.Text();
  if (text == shown_text_) return;
  shown_text_ = text;
  QString shown = ToQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  showing_source_ = true;
  code_->setPlainText(shown);
  // The cursor where the host's edit view has it.
  const QTextBlock block =
      code_->document()->findBlockByNumber(std::max(0, source.cursor.Line - 1));
  if (block.isValid()) {
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                        std::min(std::max(0, source.cursor.Col - 1), block.length() - 1));
    code_->setTextCursor(cursor);
    code_->centerCursor();
  }
  showing_source_ = false;
}

void IdeWindow::SetCursorLine(int line) {
  const QTextBlock block = code_->document()->findBlockByNumber(std::max(0, line - 1));
  if (!block.isValid()) return;
  code_->setTextCursor(QTextCursor(block));
  code_->centerCursor();
}

void IdeWindow::CursorMoved() {
  if (showing_source_ || module_ < 0 || module_ >= host_.ModuleCount()) return;
  const QTextCursor cursor = code_->textCursor();
  host_.Module(module_)->Source().GetEditView(0)->SetCursorPos(
      {cursor.positionInBlock() + 1, cursor.blockNumber() + 1});
}

void IdeWindow::Refresh() {
  if (MenuFingerprint() != menu_print_) BuildMenu();
  if (host_.CurrentModuleIndex() != module_ && host_.CurrentModuleIndex() >= 0) {
    OpenModule(host_.CurrentModuleIndex());
    return;
  }
  surface_->updateGeometry();
  surface_->resize(surface_->sizeHint());
  surface_->update();
  ShowSource();
  int modified = 0;
  for (int i = 0; i < host_.ModuleCount(); ++i) modified += host_.Module(i)->Modified() ? 1 : 0;
  QString text;
  if (module_ >= 0) {
    std::shared_ptr<ide::DiskModule> module = host_.Module(module_);
    text = ToQt(module->GetFileName());
    if (module->Modified()) text += QStringLiteral("  [modified]");
    if (module->Form() != nullptr) {
      text += QStringLiteral("  selected: %1").arg(module->Form()->GetSelCount());
    }
  }
  if (modified > 0) text += QStringLiteral("  (%1 unsaved)").arg(modified);
  status_->setText(text);
}

void IdeWindow::closeEvent(QCloseEvent* event) {
  std::vector<std::string> unsaved;
  for (int i = 0; i < host_.ModuleCount(); ++i) {
    if (host_.Module(i)->Modified()) unsaved.push_back(Stem(host_.Module(i)->GetFileName()));
  }
  if (unsaved.empty()) return event->accept();
  QString names;
  for (const std::string& name : unsaved) names += QStringLiteral("\n  ") + ToQt(name);
  const auto answer = QMessageBox::question(
      this, QStringLiteral("zori"), QStringLiteral("Save changes to these units?") + names,
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Cancel) return event->ignore();
  if (answer == QMessageBox::Yes) {
    std::string err;
    if (!host_.SaveAll(&err)) {
      QMessageBox::critical(this, QStringLiteral("zori"), ToQt(err));
      return event->ignore();
    }
  }
  event->accept();
}

}  // namespace gui
