#include "gui/control_peer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "gui/form_window.h"
#include "gui/qt_convert.h"
#include "gui/window_system.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/image_list.h"
#include "platform/mask_edit.h"
#include "platform/menus.h"
#include "platform/std_controls.h"
#include "platform/tree_view.h"

namespace gui {
namespace {

using namespace platform;

// A control of a class without a widget of its own: a framed box with its name and class,
// as the designer draws what it cannot show.
class FramedBox : public QFrame {
 public:
  FramedBox(QWidget* parent, QString text) : QFrame(parent), text_(std::move(text)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::darkGray);
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, text_);
  }

 private:
  QString text_;
};

// A panel: raised bevel, caption in the middle behind its children.
class PanelWidget : public QFrame {
 public:
  using QFrame::QFrame;
  QString caption;
  std::function<void()> double_clicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (double_clicked) double_clicked();
    QFrame::mouseDoubleClickEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (caption.isEmpty()) return;
    QPainter p(this);
    p.drawText(rect(), Qt::AlignCenter, caption);
  }
};

// A label that reports the mouse passing over it and clicks on it.
class LabelWidget : public QLabel {
 public:
  LabelWidget(QWidget* parent, TCustomLabel& label) : QLabel(parent), label_(&label) {}
  std::function<void(const std::function<void()>&)> raise;
  void Forget() { label_ = nullptr; }

 protected:
  void enterEvent(QEnterEvent*) override {
    if (label_ != nullptr) raise([l = label_] { l->MouseEnter(); });
  }
  void leaveEvent(QEvent*) override {
    if (label_ != nullptr) raise([l = label_] { l->MouseLeave(); });
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (label_ != nullptr && rect().contains(event->position().toPoint())) {
      raise([l = label_] { l->Click(); });
    }
  }

 private:
  TCustomLabel* label_;
};

// The hot-key field: the combination pressed becomes the control's shortcut.
class HotKeyWidget : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void(uint16_t)> pressed;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const uint16_t shortcut = ShortCutOf(event->key(), event->modifiers());
    if (shortcut != 0 && pressed) pressed(shortcut);
  }
};

const char* const kNavigatorGlyphs[] = {"|\u25C0", "\u25C0", "\u25B6", "\u25B6|", "+",
                                        "\u2212",  "\u25B2", "\u2714", "\u2716",  "\u21BB"};

TCustomImageList* ImagesOf(const TComponent* component) {
  if (component == nullptr) return nullptr;
  return dynamic_cast<TCustomImageList*>(component->GetComponentRef("Images"));
}

// The page area of a page control: below the tabs, inside the frame.
QRect PageArea(const QWidget* page_control) {
  const int tabs = 22;
  return QRect(4, tabs + 2, std::max(0, page_control->width() - 8),
               std::max(0, page_control->height() - tabs - 6));
}

}  // namespace

ControlPeer::ControlPeer(TControl& control, QWidget* parent, FormWindow& window)
    : control_(&control), window_(window) {
  Build(parent);
  control.SetPeer(this);
  Sync();
}

ControlPeer::~ControlPeer() {
  if (control_ != nullptr && control_->Peer() == this) control_->SetPeer(nullptr);
  if (auto* label = dynamic_cast<LabelWidget*>(widget_.data())) label->Forget();
}

void ControlPeer::PropertyChanged(TComponent& component, std::string_view name) {
  (void)component;
  (void)name;
  window_.MarkDirty();
}

void ControlPeer::ComponentDestroyed(TComponent& component) {
  (void)component;
  control_ = nullptr;
  if (auto* label = dynamic_cast<LabelWidget*>(widget_.data())) label->Forget();
  if (widget_ != nullptr) {
    widget_->hide();
    widget_->deleteLater();
  }
  window_.MarkDirty();
}

void ControlPeer::Raise(const std::function<void()>& action) {
  if (control_ == nullptr) return;
  Guarded(action);
  window_.AfterEvent();
}

void ControlPeer::Build(QWidget* parent) {
  TControl* c = control_;
  QWidget* w = nullptr;
  if (auto* grid = dynamic_cast<TDBGrid*>(c)) {
    auto* table = new QTableWidget(parent);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(18);
    QObject::connect(table, &QTableWidget::cellClicked, table,
                     [this, grid](int row, int) { Raise([grid, row] { grid->SelectRow(row); }); });
    w = table;
  } else if (auto* nav = dynamic_cast<TDBNavigator*>(c)) {
    auto* bar = new QWidget(parent);
    for (int b = nbFirst; b <= nbRefresh; ++b) {
      auto* button = new QToolButton(bar);
      button->setObjectName(QStringLiteral("nav%1").arg(b));
      button->setText(QString::fromUtf8(kNavigatorGlyphs[b]));
      QObject::connect(button, &QToolButton::clicked, button, [this, nav, b] {
        Raise([nav, b] { nav->BtnClick(static_cast<TNavigateBtn>(b)); });
      });
    }
    w = bar;
  } else if (auto* lookup = dynamic_cast<TDBLookupComboBox*>(c)) {
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, combo, [this, lookup](int index) {
      Raise([lookup, index] { lookup->SelectItem(index); });
    });
    w = combo;
  } else if (auto* dbcheck = dynamic_cast<TDBCheckBox*>(c)) {
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::clicked, box,
                     [this, dbcheck] { Raise([dbcheck] { dbcheck->Click(); }); });
    w = box;
  } else if (auto* combo_c = dynamic_cast<TCustomComboBox*>(c)) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(!combo_c->IsDropDownList());
    QObject::connect(combo, &QComboBox::activated, combo, [this, combo_c](int index) {
      Raise([combo_c, index] { combo_c->Select(index); });
    });
    if (combo->isEditable()) {
      QObject::connect(combo, &QComboBox::editTextChanged, combo,
                       [this, combo_c](const QString& t) {
                         Raise([combo_c, t] { combo_c->SetText(FromQt(t)); });
                       });
    }
    w = combo;
  } else if (auto* radio_group = dynamic_cast<TCustomRadioGroup*>(c)) {
    auto* box = new QGroupBox(parent);
    (void)radio_group;
    w = box;
  } else if (dynamic_cast<TCustomGroupBox*>(c) != nullptr) {
    w = new QGroupBox(parent);
  } else if (auto* spin = dynamic_cast<TSpinEdit*>(c)) {
    auto* box = new QSpinBox(parent);
    QObject::connect(box, &QSpinBox::valueChanged, box,
                     [this, spin](int v) { Raise([spin, v] { spin->SetValue(v); }); });
    w = box;
  } else if (auto* memo = dynamic_cast<TCustomMemo*>(c)) {
    auto* edit = new QPlainTextEdit(parent);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, memo, edit] {
      // Typed text: the platform takes it as lines with CR LF breaks.
      QString text = edit->toPlainText();
      text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
      if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n"))) text += QStringLiteral("\r\n");
      Raise([memo, text] { memo->SetText(FromQt(text)); });
    });
    w = edit;
  } else if (auto* edit_c = dynamic_cast<TCustomEdit*>(c)) {
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit_c](const QString& t) {
      Raise([edit_c, t] { edit_c->SetText(FromQt(t)); });
    });
    w = edit;
  } else if (auto* button = dynamic_cast<TButton*>(c)) {
    auto* push = new QPushButton(parent);
    QObject::connect(push, &QPushButton::clicked, push,
                     [this, button] { Raise([button] { button->Click(); }); });
    w = push;
  } else if (dynamic_cast<TSpeedButton*>(c) != nullptr ||
             dynamic_cast<TToolButton*>(c) != nullptr) {
    auto* tool = new QToolButton(parent);
    tool->setAutoRaise(true);
    QObject::connect(tool, &QToolButton::clicked, tool, [this, c] { Raise([c] { c->Click(); }); });
    w = tool;
  } else if (auto* check = dynamic_cast<TCustomCheckBox*>(c)) {
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::clicked, box,
                     [this, check] { Raise([check] { check->Click(); }); });
    w = box;
  } else if (auto* radio = dynamic_cast<TRadioButton*>(c)) {
    auto* box = new QRadioButton(parent);
    box->setAutoExclusive(false);  // the platform unchecks the others
    QObject::connect(box, &QRadioButton::clicked, box,
                     [this, radio] { Raise([radio] { radio->Click(); }); });
    w = box;
  } else if (auto* label = dynamic_cast<TCustomLabel*>(c)) {
    auto* l = new LabelWidget(parent, *label);
    l->raise = [this](const std::function<void()>& action) { Raise(action); };
    w = l;
  } else if (auto* hot = dynamic_cast<TCustomHotKey*>(c)) {
    auto* edit = new HotKeyWidget(parent);
    edit->pressed = [this, hot](uint16_t shortcut) {
      Raise([hot, shortcut] { hot->UserPress(shortcut); });
    };
    w = edit;
  } else if (dynamic_cast<TProgressBar*>(c) != nullptr) {
    w = new QProgressBar(parent);
  } else if (auto* pages = dynamic_cast<TPageControl*>(c)) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::StyledPanel);
    auto* tabs = new QTabBar(frame);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setDrawBase(false);
    QObject::connect(tabs, &QTabBar::tabBarClicked, tabs, [this, pages](int index) {
      Raise([pages, index] {
        int seen = 0;
        for (int i = 0; i < pages->PageCount(); ++i) {
          if (!pages->Pages(i)->TabVisible()) continue;
          if (seen++ == index) pages->SelectPage(pages->Pages(i));
        }
      });
    });
    w = frame;
  } else if (auto* tree = dynamic_cast<TCustomTreeView*>(c)) {
    auto* view = new QTreeWidget(parent);
    view->setHeaderHidden(true);
    QObject::connect(view, &QTreeWidget::currentItemChanged, view,
                     [this, tree](QTreeWidgetItem* item, QTreeWidgetItem*) {
                       auto* node =
                           item != nullptr
                               ? static_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<void*>())
                               : nullptr;
                       Raise([tree, node] { tree->SetSelected(node); });
                     });
    QObject::connect(view, &QTreeWidget::itemExpanded, view, [this](QTreeWidgetItem* item) {
      auto* node = static_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<void*>());
      Raise([node] { node->Expand(false); });
    });
    QObject::connect(view, &QTreeWidget::itemCollapsed, view, [this](QTreeWidgetItem* item) {
      auto* node = static_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<void*>());
      Raise([node] { node->Collapse(false); });
    });
    w = view;
  } else if (auto* list = dynamic_cast<TCustomListBox*>(c)) {
    auto* view = new QListWidget(parent);
    QObject::connect(view, &QListWidget::currentRowChanged, view,
                     [this, list](int row) { Raise([list, row] { list->SetItemIndex(row); }); });
    if (auto* checks = dynamic_cast<TCheckListBox*>(c)) {
      QObject::connect(view, &QListWidget::itemChanged, view,
                       [this, checks, view](QListWidgetItem* item) {
                         const int row = view->row(item);
                         const bool on = item->checkState() == Qt::Checked;
                         Raise([checks, row, on] {
                           if (checks->Checked(row) != on) checks->ClickCheck(row);
                         });
                       });
    }
    w = view;
  } else if (dynamic_cast<TImage*>(c) != nullptr) {
    w = new QLabel(parent);
  } else if (dynamic_cast<TBevel*>(c) != nullptr) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    w = frame;
  } else if (auto* panel_c = dynamic_cast<TCustomPanel*>(c)) {
    auto* panel = new PanelWidget(parent);
    panel->double_clicked = [this, panel_c] { Raise([panel_c] { panel_c->DblClick(); }); };
    w = panel;
  } else if (c->InheritsFrom("TScrollBox")) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    client_ = new QWidget();
    scroll->setWidget(client_);  // the scroll area owns it
    w = scroll;
  } else if (dynamic_cast<TTabSheet*>(c) != nullptr || dynamic_cast<TToolBar*>(c) != nullptr) {
    w = new QWidget(parent);
  } else {
    w = new FramedBox(parent, ToQt(c->Name() + ": " + c->ClassName()));
  }
  w->setObjectName(ToQt(c->Name()));
  // A pop-up menu on the control: built from the platform's items when asked for.
  w->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(w, &QWidget::customContextMenuRequested, w, [this, w](const QPoint& at) {
    auto* popup = control_ != nullptr
                      ? dynamic_cast<TPopupMenu*>(control_->GetComponentRef("PopupMenu"))
                      : nullptr;
    if (popup == nullptr) return;
    const QPoint global = w->mapToGlobal(at);
    Raise([popup, global] { popup->Popup(global.x(), global.y()); });
    QMenu menu;
    std::function<void(QMenu&, TMenuItem*)> fill = [&](QMenu& into, TMenuItem* parent_item) {
      for (int i = 0; i < parent_item->Count(); ++i) {
        TMenuItem* item = parent_item->Items(i);
        if (!item->Visible()) continue;
        if (item->IsLine()) {
          into.addSeparator();
          continue;
        }
        if (item->Count() > 0) {
          QMenu* sub = into.addMenu(CaptionToQt(item->Caption()));
          fill(*sub, item);
          continue;
        }
        QAction* action = into.addAction(IconOf(popup->Images(), item->ImageIndex()),
                                         CaptionToQt(item->Caption()));
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked());
        action->setChecked(item->Checked());
        QObject::connect(action, &QAction::triggered, action,
                         [this, item] { Raise([item] { item->Click(); }); });
      }
    };
    fill(menu, popup->Items());
    menu.exec(global);
  });
  widget_ = w;
}

void ControlPeer::Sync() {
  if (control_ == nullptr || widget_ == nullptr) return;
  TControl* c = control_;
  QWidget* w = widget_;
  const QSignalBlocker block(w);
  if (auto* sheet = dynamic_cast<TTabSheet*>(c)) {
    TPageControl* pages = sheet->PageControl();
    QWidget* pc = w->parentWidget();
    if (pc != nullptr) w->setGeometry(PageArea(pc));
    w->setVisible(pages != nullptr && pages->ActivePage() == sheet);
  } else {
    w->setGeometry(c->Left(), c->Top(), std::max(0, c->Width()), std::max(0, c->Height()));
    w->setVisible(c->Visible());
  }
  w->setEnabled(c->Enabled());
  w->setToolTip(c->GetPropValue("ShowHint").AsBoolean() || !c->Hint().empty() ? ToQt(c->Hint())
                                                                              : QString());
  QFont font = w->font();
  const std::string style = c->GetPropValue("Font.Style").AsString();
  font.setBold(style.find("fsBold") != std::string::npos);
  font.setItalic(style.find("fsItalic") != std::string::npos);
  font.setUnderline(style.find("fsUnderline") != std::string::npos);
  w->setFont(font);
  QPalette palette = w->palette();
  if (auto color = ColorOf(*c, "Font.Color")) {
    palette.setColor(QPalette::WindowText, *color);
    palette.setColor(QPalette::Text, *color);
    palette.setColor(QPalette::ButtonText, *color);
  }
  if (auto color = ColorOf(*c, "Color")) {
    palette.setColor(QPalette::Window, *color);
    palette.setColor(QPalette::Base, *color);
    if (dynamic_cast<TCustomPanel*>(c) != nullptr || dynamic_cast<TCustomLabel*>(c) != nullptr) {
      w->setAutoFillBackground(!c->GetPropValue("Transparent").AsBoolean());
    }
  }
  w->setPalette(palette);
  SyncContent();
}

void ControlPeer::SyncContent() {
  TControl* c = control_;
  QWidget* w = widget_;
  const QString caption = CaptionToQt(c->Caption());
  if (auto* table = qobject_cast<QTableWidget*>(w)) {
    auto* grid = dynamic_cast<TDBGrid*>(c);
    const int rows = grid->RowCount();
    const int columns = grid->ColumnCount();
    std::string print =
        std::to_string(rows) + "x" + std::to_string(columns) + ":" + std::to_string(grid->Row());
    for (int r = 0; r < rows; ++r) {
      for (int k = 0; k < columns; ++k) print += grid->CellText(r, k) + "\x1f";
    }
    for (int k = 0; k < columns; ++k) print += grid->ColumnTitle(k) + "\x1e";
    if (print == fingerprint_) return;
    fingerprint_ = print;
    table->setRowCount(rows);
    table->setColumnCount(columns);
    QStringList titles;
    for (int k = 0; k < columns; ++k) {
      titles << ToQt(grid->ColumnTitle(k));
      if (k < grid->Columns().Count()) table->setColumnWidth(k, grid->Columns().Items(k).Width);
    }
    table->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < rows; ++r) {
      for (int k = 0; k < columns; ++k)
        table->setItem(r, k, new QTableWidgetItem(ToQt(grid->CellText(r, k))));
    }
    if (grid->Row() >= 0) table->selectRow(grid->Row());
  } else if (auto* nav = dynamic_cast<TDBNavigator*>(c)) {
    int x = 0;
    const int visible = [&] {
      int n = 0;
      for (int b = nbFirst; b <= nbRefresh; ++b)
        n += nav->ButtonVisible(static_cast<TNavigateBtn>(b)) ? 1 : 0;
      return std::max(1, n);
    }();
    const int width = std::max(1, nav->Width() / visible);
    for (int b = nbFirst; b <= nbRefresh; ++b) {
      auto* button = w->findChild<QToolButton*>(QStringLiteral("nav%1").arg(b));
      const bool shown = nav->ButtonVisible(static_cast<TNavigateBtn>(b));
      button->setVisible(shown);
      button->setEnabled(nav->ButtonEnabled(static_cast<TNavigateBtn>(b)));
      if (shown) {
        button->setGeometry(x, 0, width, nav->Height());
        x += width;
      }
    }
  } else if (auto* lookup = dynamic_cast<TDBLookupComboBox*>(c)) {
    auto* combo = static_cast<QComboBox*>(w);
    const std::vector<std::string> items = lookup->ListItems();
    combo->clear();
    int current = -1;
    for (size_t i = 0; i < items.size(); ++i) {
      combo->addItem(ToQt(items[i]));
      if (items[i] == lookup->Text()) current = static_cast<int>(i);
    }
    combo->setCurrentIndex(current);
  } else if (auto* dbcheck = dynamic_cast<TDBCheckBox*>(c)) {
    auto* box = static_cast<QCheckBox*>(w);
    box->setText(caption);
    box->setChecked(dbcheck->Checked());
  } else if (auto* combo_c = dynamic_cast<TCustomComboBox*>(c)) {
    auto* combo = static_cast<QComboBox*>(w);
    auto* ex = dynamic_cast<TComboBoxEx*>(c);
    std::string print;
    for (int i = 0; i < combo_c->Items().Count(); ++i) print += combo_c->Items().Get(i) + "\x1f";
    if (print != fingerprint_) {
      fingerprint_ = print;
      combo->clear();
      TCustomImageList* images = ImagesOf(c);
      for (int i = 0; i < combo_c->Items().Count(); ++i) {
        QIcon icon;
        if (ex != nullptr && i < ex->ItemCount()) icon = IconOf(images, ex->ItemsEx(i).image_index);
        combo->addItem(icon, ToQt(combo_c->Items().Get(i)));
      }
    }
    combo->setCurrentIndex(combo_c->ItemIndex());
    if (combo->isEditable() && combo->currentText() != ToQt(combo_c->Text())) {
      combo->setEditText(ToQt(combo_c->Text()));
    }
  } else if (auto* group = dynamic_cast<TCustomRadioGroup*>(c)) {
    auto* box = static_cast<QGroupBox*>(w);
    box->setTitle(caption);
    std::string print = std::to_string(group->Columns()) + "/" + std::to_string(group->Width()) +
                        "x" + std::to_string(group->Height());
    for (int i = 0; i < group->Items().Count(); ++i) print += group->Items().Get(i) + "\x1f";
    if (print != fingerprint_) {
      fingerprint_ = print;
      for (QRadioButton* old : box->findChildren<QRadioButton*>()) delete old;
      const int count = group->Items().Count();
      const int columns = std::max(1, group->Columns());
      const int per_column = std::max(1, (count + columns - 1) / columns);
      const int column_width = std::max(1, (group->Width() - 16) / columns);
      const int row_height = std::max(16, (group->Height() - 22) / per_column);
      for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(ToQt(group->Items().Get(i)), box);
        radio->setAutoExclusive(false);
        radio->setGeometry(8 + (i / per_column) * column_width, 16 + (i % per_column) * row_height,
                           column_width, std::min(row_height, 20));
        radio->show();
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         [this, group, i] { Raise([group, i] { group->SetItemIndex(i); }); });
      }
    }
    const auto radios = box->findChildren<QRadioButton*>();
    for (int i = 0; i < radios.size(); ++i) {
      const QSignalBlocker hold(radios[i]);
      radios[i]->setChecked(i == group->ItemIndex());
    }
  } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
    box->setTitle(caption);
  } else if (auto* spin = dynamic_cast<TSpinEdit*>(c)) {
    auto* box = static_cast<QSpinBox*>(w);
    if (spin->MinValue() == spin->MaxValue()) {
      box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    } else {
      box->setRange(spin->MinValue(), spin->MaxValue());
    }
    box->setValue(spin->Value());
  } else if (auto* memo = dynamic_cast<TCustomMemo*>(c)) {
    auto* edit = static_cast<QPlainTextEdit*>(w);
    QString text = ToQt(memo->Text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (edit->toPlainText() != text) edit->setPlainText(text);
    edit->setReadOnly(memo->ReadOnly());
  } else if (auto* edit_c = dynamic_cast<TCustomEdit*>(c)) {
    auto* edit = static_cast<QLineEdit*>(w);
    const QString text = ToQt(edit_c->Text());
    if (edit->text() != text) edit->setText(text);
    edit->setReadOnly(edit_c->ReadOnly());
    edit->setEchoMode(edit_c->GetPropValue("PasswordChar").AsString().empty() ||
                              edit_c->GetPropValue("PasswordChar").AsString() == "#0"
                          ? QLineEdit::Normal
                          : QLineEdit::Password);
  } else if (auto* button = dynamic_cast<TButton*>(c)) {
    auto* push = static_cast<QPushButton*>(w);
    push->setText(caption);
    push->setDefault(button->Default());
    if (auto* bit = dynamic_cast<TBitBtn*>(c)) push->setIcon(GlyphIcon(bit->Glyph()));
  } else if (auto* speed = dynamic_cast<TSpeedButton*>(c)) {
    auto* tool = static_cast<QToolButton*>(w);
    tool->setText(caption);
    tool->setIcon(GlyphIcon(speed->Glyph()));
    tool->setCheckable(speed->GroupIndex() != 0);
    tool->setChecked(speed->Down());
    tool->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                               : Qt::ToolButtonTextBesideIcon);
  } else if (auto* tool_c = dynamic_cast<TToolButton*>(c)) {
    auto* tool = static_cast<QToolButton*>(w);
    const QIcon icon = IconOf(ImagesOf(tool_c->Parent()), tool_c->ImageIndex());
    tool->setIcon(icon);
    tool->setText(caption);
    tool->setIconSize(QSize(std::max(16, tool_c->Width() - 8), std::max(16, tool_c->Height() - 8)));
    tool->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    tool->setCheckable(tool_c->Style() == "tbsCheck");
    tool->setChecked(tool_c->Down());
    const bool separator = tool_c->Style() == "tbsSeparator" || tool_c->Style() == "tbsDivider";
    tool->setVisible(tool_c->Visible() && !separator);
  } else if (auto* check = dynamic_cast<TCustomCheckBox*>(c)) {
    auto* box = static_cast<QCheckBox*>(w);
    box->setText(caption);
    box->setTristate(check->State() == TCheckBoxState::cbGrayed);
    box->setCheckState(check->State() == TCheckBoxState::cbChecked  ? Qt::Checked
                       : check->State() == TCheckBoxState::cbGrayed ? Qt::PartiallyChecked
                                                                    : Qt::Unchecked);
  } else if (auto* radio = dynamic_cast<TRadioButton*>(c)) {
    auto* box = static_cast<QRadioButton*>(w);
    box->setText(caption);
    box->setChecked(radio->Checked());
  } else if (auto* label = dynamic_cast<TCustomLabel*>(c)) {
    auto* l = static_cast<QLabel*>(w);
    l->setText(caption);
    l->setWordWrap(label->WordWrap());
    const std::string alignment = c->GetPropValue("Alignment").AsString();
    Qt::Alignment a = Qt::AlignLeft;
    if (alignment == "taRightJustify") a = Qt::AlignRight;
    if (alignment == "taCenter") a = Qt::AlignHCenter;
    l->setAlignment(a | Qt::AlignTop);
  } else if (auto* hot = dynamic_cast<TCustomHotKey*>(c)) {
    auto* edit = static_cast<QLineEdit*>(w);
    const QString text = ToQt(ShortCutToText(hot->HotKey()));
    edit->setText(text.isEmpty() ? QStringLiteral("None") : text);
  } else if (auto* progress = dynamic_cast<TProgressBar*>(c)) {
    auto* bar = static_cast<QProgressBar*>(w);
    bar->setRange(progress->Min(), progress->Max());
    bar->setValue(progress->Position());
    bar->setTextVisible(false);
  } else if (auto* pages = dynamic_cast<TPageControl*>(c)) {
    auto* tabs = w->findChild<QTabBar*>(QStringLiteral("tabs"));
    const QSignalBlocker hold(tabs);
    while (tabs->count() > 0) tabs->removeTab(0);
    int current = -1;
    for (int i = 0; i < pages->PageCount(); ++i) {
      TTabSheet* sheet = pages->Pages(i);
      if (!sheet->TabVisible()) continue;
      if (sheet == pages->ActivePage()) current = tabs->count();
      tabs->addTab(CaptionToQt(sheet->Caption()));
    }
    tabs->setGeometry(2, 0, std::max(0, w->width() - 4), 22);
    if (current >= 0) tabs->setCurrentIndex(current);
  } else if (auto* tree = dynamic_cast<TCustomTreeView*>(c)) {
    auto* view = static_cast<QTreeWidget*>(w);
    std::string print;
    for (int i = 0; i < tree->Items().Count(); ++i) {
      TTreeNode* node = tree->Items().Item(i);
      print += std::to_string(reinterpret_cast<uintptr_t>(node)) + node->Text() + "/" +
               std::to_string(node->ImageIndex()) + (node->Expanded() ? "+" : "-") + "\x1f";
    }
    TCustomImageList* images = ImagesOf(c);
    std::function<void(QTreeWidgetItem*, TTreeNode*)> add;
    if (print != fingerprint_) {
      fingerprint_ = print;
      view->clear();
      add = [&](QTreeWidgetItem* parent_item, TTreeNode* node) {
        auto* item =
            parent_item != nullptr ? new QTreeWidgetItem(parent_item) : new QTreeWidgetItem(view);
        item->setText(0, ToQt(node->Text()));
        item->setIcon(0, IconOf(images, node->ImageIndex()));
        item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(node)));
        for (int k = 0; k < node->Count(); ++k) add(item, node->Item(k));
        item->setExpanded(node->Expanded());
      };
      for (TTreeNode* node = tree->Items().GetFirstNode(); node != nullptr;
           node = node->GetNextSibling()) {
        add(nullptr, node);
      }
    }
    // The selected node follows the platform's.
    QTreeWidgetItem* selected = nullptr;
    for (QTreeWidgetItemIterator it(view); *it != nullptr; ++it) {
      if ((*it)->data(0, Qt::UserRole).value<void*>() == tree->Selected()) selected = *it;
    }
    if (view->currentItem() != selected) view->setCurrentItem(selected);
  } else if (auto* list = dynamic_cast<TCustomListBox*>(c)) {
    auto* view = static_cast<QListWidget*>(w);
    auto* checks = dynamic_cast<TCheckListBox*>(c);
    std::string print;
    for (int i = 0; i < list->Items().Count(); ++i) {
      print +=
          list->Items().Get(i) + (checks != nullptr && checks->Checked(i) ? "+" : "-") + "\x1f";
    }
    if (print != fingerprint_) {
      fingerprint_ = print;
      view->clear();
      for (int i = 0; i < list->Items().Count(); ++i) {
        auto* item = new QListWidgetItem(ToQt(list->Items().Get(i)), view);
        if (checks != nullptr)
          item->setCheckState(checks->Checked(i) ? Qt::Checked : Qt::Unchecked);
      }
    }
    view->setCurrentRow(list->ItemIndex());
  } else if (auto* image = dynamic_cast<TImage*>(c)) {
    auto* l = static_cast<QLabel*>(w);
    const QImage picture = ToImage(image->Picture().Bitmap());
    if (!picture.isNull()) {
      l->setPixmap(QPixmap::fromImage(picture));
      l->setScaledContents(image->GetPropValue("Stretch").AsBoolean());
    }
  } else if (client_ != nullptr) {
    // The scrolled area holds every child: it grows to the farthest one.
    int right = 0;
    int bottom = 0;
    if (auto* box = dynamic_cast<TWinControl*>(c)) {
      for (int i = 0; i < box->ControlCount(); ++i) {
        const TControl* child = box->Controls(i);
        if (!child->Visible()) continue;
        right = std::max(right, child->Left() + child->Width());
        bottom = std::max(bottom, child->Top() + child->Height());
      }
    }
    client_->resize(std::max(right, 1), std::max(bottom, 1));
  } else if (auto* panel = dynamic_cast<PanelWidget*>(w)) {
    panel->caption = caption;
    const std::string outer = c->GetPropValue("BevelOuter").AsString();
    if (outer == "bvNone") {
      panel->setFrameStyle(QFrame::NoFrame);
    } else {
      panel->setFrameStyle(QFrame::Panel |
                           (outer == "bvLowered" ? QFrame::Sunken : QFrame::Raised));
    }
    panel->update();
  }
}

}  // namespace gui
