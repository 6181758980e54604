#include "gui/design_surface.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

#include "gui/qt_convert.h"
#include "ide/form_editor.h"
#include "platform/buttons.h"
#include "platform/com_controls.h"
#include "platform/db_controls.h"
#include "platform/ext_controls.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/std_controls.h"

namespace gui {
namespace {

using namespace platform;

// The form sits inside a margin, under a caption bar as its window would have.
constexpr int kMargin = 8;
constexpr int kCaption = 22;
constexpr int kFrame = 3;
constexpr int kTile = 28;
constexpr int kHandle = 5;

// Designed forms hold components of the classes their class tables describe, so the look
// follows the class's ancestry rather than the object's C++ type.
bool Is(const TComponent& component, const char* class_name) {
  return component.InheritsFrom(class_name);
}

bool IsControl(const TComponent& component) {
  return dynamic_cast<const TControl*>(&component) != nullptr;
}

// Components the designer shows as tiles: not controls, and not the parts another
// component's editor shows (menu items, fields, actions, live bindings: whatever the form
// file nests inside a non-visual component).
bool IsTiled(const ide::FormEditor& form, const TComponent& component) {
  if (IsControl(component) || component.InheritsFrom("TMenuItem") ||
      component.InheritsFrom("TField"))
    return false;
  const TComponent* holder = form.StreamParent(component);
  return holder == nullptr || holder == form.Root() || IsControl(*holder);
}

// The page a page control shows: its ActivePage, else its first page.
const TControl* ActiveSheet(const TWinControl& pages) {
  const std::string active = pages.GetPropValue("ActivePage").AsString();
  const TControl* first = nullptr;
  for (int i = 0; i < pages.ControlCount(); ++i) {
    const TControl* sheet = pages.Controls(i);
    if (!Is(*sheet, "TTabSheet")) continue;
    if (first == nullptr) first = sheet;
    if (SameTextAscii(sheet->Name(), active)) return sheet;
  }
  return first;
}

QRect HandleRect(const QRect& r, int handle) {
  const int xs[] = {r.left(),  r.center().x(), r.right(), r.right(),
                    r.right(), r.center().x(), r.left(),  r.left()};
  const int ys[] = {r.top(),    r.top(),    r.top(),    r.center().y(),
                    r.bottom(), r.bottom(), r.bottom(), r.center().y()};
  return QRect(xs[handle] - kHandle / 2, ys[handle] - kHandle / 2, kHandle, kHandle);
}

}  // namespace

DesignSurface::DesignSurface(QWidget* parent) : QWidget(parent) {
  setMouseTracking(false);
  setAutoFillBackground(true);
  setObjectName(QStringLiteral("DesignSurface"));
}

void DesignSurface::SetForm(ide::FormEditor* editor) {
  editor_ = editor;
  drag_ = Drag::None;
  band_parent_ = nullptr;
  updateGeometry();
  resize(sizeHint());
  update();
}

QSize DesignSurface::sizeHint() const {
  const QRect client = ClientRect();
  if (client.isEmpty()) return QSize(200, 200);
  return QSize(client.right() + kFrame + kMargin, client.bottom() + kFrame + kMargin);
}

QRect DesignSurface::ClientRect() const {
  if (editor_ == nullptr || editor_->Root() == nullptr) return {};
  TComponent* root = editor_->Root();
  int width = 0;
  int height = 0;
  if (auto* form = dynamic_cast<TCustomForm*>(root)) {
    width = form->ClientWidth();
    height = form->ClientHeight();
  } else {
    width = root->GetPropValue("Width").AsInteger();
    height = root->GetPropValue("Height").AsInteger();
  }
  return QRect(kMargin + kFrame, kMargin + kCaption, std::max(width, 120), std::max(height, 60));
}

QRect DesignSurface::ControlRect(const TControl& control) const {
  TComponent* root = editor_ != nullptr ? editor_->Root() : nullptr;
  if (&control == root) return ClientRect();
  TWinControl* parent = control.Parent();
  QPoint origin = ClientRect().topLeft();
  if (parent != nullptr && parent != root) origin = ControlRect(*parent).topLeft();
  if (Is(control, "TTabSheet") && parent != nullptr) {
    const QRect pc = ControlRect(*parent);
    return QRect(pc.left() + 4, pc.top() + 24, std::max(0, pc.width() - 8),
                 std::max(0, pc.height() - 28));
  }
  return QRect(origin.x() + control.Left(), origin.y() + control.Top(),
               std::max(1, control.Width()), std::max(1, control.Height()));
}

bool DesignSurface::Shown(const TControl& control) const {
  for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
    if (Is(*c, "TTabSheet") && c->Parent() != nullptr && ActiveSheet(*c->Parent()) != c)
      return false;
  }
  return true;
}

QRect DesignSurface::RectOf(const TComponent& component) const {
  if (editor_ == nullptr) return {};
  if (auto* control = dynamic_cast<const TControl*>(&component)) {
    return Shown(*control) ? ControlRect(*control) : QRect();
  }
  for (const Tile& tile : Tiles()) {
    if (tile.component == &component) return tile.rect;
  }
  return {};
}

std::vector<DesignSurface::Tile> DesignSurface::Tiles() const {
  std::vector<Tile> tiles;
  if (editor_ == nullptr || editor_->Root() == nullptr) return tiles;
  TComponent* root = editor_->Root();
  const QPoint origin = ClientRect().topLeft();
  int next_x = 8;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* c = root->Components(i);
    if (!IsTiled(*editor_, *c)) continue;
    // Where the designer left the tile (its design position), else the next free place.
    int left = c->GetPropValue("Left").AsInteger();
    int top = c->GetPropValue("Top").AsInteger();
    if (!c->HasProperty("Left")) {
      left = next_x;
      top = 8;
      next_x += kTile + 8;
    }
    tiles.push_back({c, QRect(origin.x() + left, origin.y() + top, kTile, kTile)});
  }
  return tiles;
}

std::vector<TComponent*> DesignSurface::Selection() const {
  std::vector<TComponent*> selection;
  if (editor_ == nullptr) return selection;
  for (int i = 0; i < editor_->GetSelCount(); ++i) {
    auto component = std::dynamic_pointer_cast<ide::INTAComponent>(editor_->GetSelComponent(i));
    if (component != nullptr && component->GetComponent() != nullptr) {
      selection.push_back(component->GetComponent());
    }
  }
  return selection;
}

void DesignSurface::PaintControl(QPainter& p, TControl& control) const {
  QRect r = ControlRect(control);
  if (drag_ == Drag::Move) {
    const auto selection = Selection();
    for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
      if (std::find(selection.begin(), selection.end(), c) != selection.end()) {
        r.translate(now_ - press_);
        break;
      }
    }
  }
  QStyle* style = QApplication::style();
  const QString caption = CaptionToQt(control.Caption());
  QStyleOption base;
  base.initFrom(this);
  base.rect = r;
  base.state = QStyle::State_Enabled;
  p.save();
  p.setClipRect(r.adjusted(0, 0, 1, 1), Qt::IntersectClip);
  if (auto color = ColorOf(control, "Font.Color")) p.setPen(*color);
  if (Is(control, "TButton")) {
    QStyleOptionButton o;
    static_cast<QStyleOption&>(o) = base;
    o.text = caption;
    style->drawControl(QStyle::CE_PushButton, &o, &p, this);
  } else if (Is(control, "TCustomCheckBox") || Is(control, "TDBCheckBox")) {
    QStyleOptionButton o;
    static_cast<QStyleOption&>(o) = base;
    o.text = caption;
    o.state |= control.GetPropValue("Checked").AsBoolean() ? QStyle::State_On : QStyle::State_Off;
    style->drawControl(QStyle::CE_CheckBox, &o, &p, this);
  } else if (Is(control, "TRadioButton")) {
    QStyleOptionButton o;
    static_cast<QStyleOption&>(o) = base;
    o.text = caption;
    o.state |= control.GetPropValue("Checked").AsBoolean() ? QStyle::State_On : QStyle::State_Off;
    style->drawControl(QStyle::CE_RadioButton, &o, &p, this);
  } else if (Is(control, "TCustomComboBox") || Is(control, "TDBLookupComboBox") ||
             Is(control, "TDBLookupComboBox")) {
    QStyleOptionComboBox o;
    static_cast<QStyleOption&>(o) = base;
    o.editable = true;
    o.currentText = ToQt(control.GetPropValue("Text").AsString());
    if (o.currentText.isEmpty()) o.currentText = ToQt(control.Name());
    style->drawComplexControl(QStyle::CC_ComboBox, &o, &p, this);
    style->drawControl(QStyle::CE_ComboBoxLabel, &o, &p, this);
  } else if (Is(control, "TCustomEdit") || Is(control, "TCustomListBox") ||
             Is(control, "TCustomTreeView") || Is(control, "TCustomListView") ||
             Is(control, "TCustomGrid") || Is(control, "TDBGrid") || Is(control, "TCustomMemo")) {
    p.fillRect(r, ColorOf(control, "Color").value_or(palette().color(QPalette::Base)));
    QStyleOptionFrame o;
    static_cast<QStyleOption&>(o) = base;
    o.lineWidth = 1;
    o.state |= QStyle::State_Sunken;
    style->drawPrimitive(QStyle::PE_Frame, &o, &p, this);
    // What the control shows at design time: its text, else (data-aware, lists) its name.
    QString text;
    if (auto* memo = dynamic_cast<TCustomMemo*>(&control)) {
      text = ToQt(memo->Lines().Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else if (Is(control, "TCustomEdit") && !Is(control, "TCustomMemo")) {
      text = ToQt(control.GetPropValue("Text").AsString());
    }
    if (text.isEmpty() &&
        !(Is(control, "TCustomEdit") && control.GetPropValue("DataField").AsString().empty())) {
      text = ToQt(control.Name());
    }
    p.drawText(r.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, text);
  } else if (Is(control, "TCustomLabel")) {
    const std::string alignment = control.GetPropValue("Alignment").AsString();
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    flags |= alignment == "taRightJustify" ? Qt::AlignRight
             : alignment == "taCenter"     ? Qt::AlignHCenter
                                           : Qt::AlignLeft;
    if (control.GetPropValue("WordWrap").AsBoolean()) flags |= Qt::TextWordWrap;
    p.drawText(r, flags, caption.isEmpty() ? ToQt(control.Name()) : caption);
  } else if (Is(control, "TCustomGroupBox")) {
    QStyleOptionGroupBox o;
    static_cast<QStyleOption&>(o) = base;
    o.text = caption;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    o.textAlignment = Qt::AlignLeft;
    style->drawComplexControl(QStyle::CC_GroupBox, &o, &p, this);
    if (auto* radios = dynamic_cast<TCustomRadioGroup*>(&control)) {
      const int count = radios->Items().Count();
      const int columns = std::max(1, radios->Columns());
      const int per_column = std::max(1, (count + columns - 1) / columns);
      const int column_width = std::max(1, (r.width() - 16) / columns);
      const int row_height = std::max(16, (r.height() - 22) / per_column);
      for (int i = 0; i < count; ++i) {
        QStyleOptionButton b;
        static_cast<QStyleOption&>(b) = base;
        b.rect = QRect(r.left() + 8 + (i / per_column) * column_width,
                       r.top() + 16 + (i % per_column) * row_height, column_width,
                       std::min(row_height, 20));
        b.text = ToQt(radios->Items().Get(i));
        b.state |= i == radios->ItemIndex() ? QStyle::State_On : QStyle::State_Off;
        style->drawControl(QStyle::CE_RadioButton, &b, &p, this);
      }
    }
  } else if (Is(control, "TPageControl") && dynamic_cast<TWinControl*>(&control) != nullptr) {
    auto& pages = static_cast<TWinControl&>(control);
    QStyleOptionFrame o;
    static_cast<QStyleOption&>(o) = base;
    o.rect = r.adjusted(0, 22, 0, 0);
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &o, &p, this);
    const TControl* active = ActiveSheet(pages);
    int x = r.left() + 2;
    for (int i = 0; i < pages.ControlCount(); ++i) {
      const TControl* sheet = pages.Controls(i);
      if (!Is(*sheet, "TTabSheet") || !sheet->GetPropValue("TabVisible").AsBoolean()) continue;
      const QString text = CaptionToQt(sheet->Caption());
      const int w = p.fontMetrics().horizontalAdvance(text) + 16;
      QStyleOptionTab t;
      static_cast<QStyleOption&>(t) = base;
      t.rect = QRect(x, r.top() + (sheet == active ? 0 : 2), w, 22);
      t.text = text;
      if (sheet == active) t.state |= QStyle::State_Selected;
      style->drawControl(QStyle::CE_TabBarTab, &t, &p, this);
      x += w;
    }
  } else if (auto* progress = dynamic_cast<TProgressBar*>(&control);
             progress != nullptr || Is(control, "TProgressBar")) {
    QStyleOptionProgressBar o;
    static_cast<QStyleOption&>(o) = base;
    o.minimum = control.GetPropValue("Min").AsInteger();
    o.maximum = control.GetPropValue("Max").AsInteger();
    o.progress = control.GetPropValue("Position").AsInteger();
    style->drawControl(QStyle::CE_ProgressBar, &o, &p, this);
  } else if (Is(control, "TDBNavigator")) {
    // The navigator's buttons, as many as it shows, side by side.
    static const char* const kGlyphs[] = {"|\u25C0", "\u25C0", "\u25B6", "\u25B6|", "+",
                                          "\u2212",  "\u25B2", "\u2714", "\u2716",  "\u21BB"};
    static const char* const kNames[] = {"nbFirst",  "nbPrior", "nbNext", "nbLast",   "nbInsert",
                                         "nbDelete", "nbEdit",  "nbPost", "nbCancel", "nbRefresh"};
    const std::string visible = control.GetPropValue("VisibleButtons").AsString();
    std::vector<int> shown;
    for (int b = 0; b < 10; ++b) {
      if (visible.empty() || visible.find(kNames[b]) != std::string::npos) shown.push_back(b);
    }
    const int w = shown.empty() ? 0 : r.width() / static_cast<int>(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
      const QRect b(r.left() + static_cast<int>(i) * w, r.top(), w, r.height());
      qDrawShadePanel(&p, b, palette(), false, 1, &palette().brush(QPalette::Button));
      p.drawText(b, Qt::AlignCenter, QString::fromUtf8(kGlyphs[shown[i]]));
    }
  } else if (Is(control, "TCustomPanel") || Is(control, "TToolBar")) {
    if (auto color = ColorOf(control, "Color")) p.fillRect(r, *color);
    if (control.GetPropValue("BevelOuter").AsString() != "bvNone") {
      qDrawShadePanel(&p, r, palette(),
                      control.GetPropValue("BevelOuter").AsString() == "bvLowered", 1);
    }
    if (Is(control, "TCustomPanel") && !Is(control, "TDBNavigator"))
      p.drawText(r, Qt::AlignCenter, caption);
  } else if (Is(control, "TTabSheet") || Is(control, "TScrollBox")) {
    // The page's area is drawn by its page control.
  } else if (auto* image = dynamic_cast<TImage*>(&control);
             image != nullptr && !image->Picture().Empty()) {
    p.drawImage(r.topLeft(), ToImage(image->Picture().Bitmap()));
  } else if (Is(control, "TBevel")) {
    qDrawShadeRect(&p, r, palette(), true, 1);
  } else if (Is(control, "TToolButton") || Is(control, "TSpeedButton")) {
    qDrawShadePanel(&p, r, palette(), false, 1);
    p.drawText(r, Qt::AlignCenter, caption.isEmpty() ? ToQt(control.Name()) : caption);
  } else {
    // A class without a look of its own: a framed box with its name and class.
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap,
               ToQt(control.Name() + ": " + control.ClassName()));
  }
  p.restore();
  PaintChildren(p, control);
}

void DesignSurface::PaintChildren(QPainter& p, TControl& parent) const {
  auto* win = dynamic_cast<TWinControl*>(&parent);
  if (win == nullptr) return;
  p.save();
  if (&parent != editor_->Root()) p.setClipRect(ControlRect(parent), Qt::IntersectClip);
  // Graphic controls lie under the windowed ones, as on the platform.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < win->ControlCount(); ++i) {
      TControl* child = win->Controls(i);
      const bool windowed = dynamic_cast<TWinControl*>(child) != nullptr;
      if (windowed != (pass == 1) || !Shown(*child)) continue;
      PaintControl(p, *child);
    }
  }
  p.restore();
}

void DesignSurface::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Dark));
  if (editor_ == nullptr || editor_->Root() == nullptr) return;
  TComponent* root = editor_->Root();
  const QRect client = ClientRect();
  // The window: frame, caption, client area with the designer's grid.
  const QRect frame = client.adjusted(-kFrame, -kCaption, kFrame, kFrame);
  qDrawWinPanel(&p, frame, palette(), false);
  p.fillRect(QRect(frame.left() + 2, frame.top() + 2, frame.width() - 4, kCaption - 4),
             QColor(0, 0, 128));
  p.setPen(Qt::white);
  QFont bold = p.font();
  bold.setBold(true);
  p.save();
  p.setFont(bold);
  const std::string title =
      IsControl(*root) ? static_cast<TControl*>(root)->Caption() : root->Name();
  p.drawText(QRect(frame.left() + 6, frame.top() + 2, frame.width() - 12, kCaption - 4),
             Qt::AlignVCenter, ToQt(title));
  p.restore();
  p.fillRect(client, ColorOf(*root, "Color").value_or(palette().color(QPalette::Window)));
  p.setPen(Qt::black);
  for (int y = client.top(); y < client.bottom(); y += 8) {
    for (int x = client.left(); x < client.right(); x += 8) p.drawPoint(x, y);
  }
  p.save();
  p.setClipRect(client);
  if (auto* control = dynamic_cast<TControl*>(root)) PaintChildren(p, *control);
  for (const Tile& tile : Tiles()) {
    qDrawWinButton(&p, tile.rect, palette(), false, &palette().brush(QPalette::Button));
    p.drawText(tile.rect, Qt::AlignCenter, ToQt(tile.component->ClassName().substr(1, 3)));
    p.drawText(QRect(tile.rect.left() - 20, tile.rect.bottom() + 1, tile.rect.width() + 40, 14),
               Qt::AlignHCenter, ToQt(tile.component->Name()));
  }
  // Grab handles: black on a single selection, grey corners on several.
  const auto selection = Selection();
  for (TComponent* c : selection) {
    if (c == root) continue;
    QRect r = RectOf(*c);
    if (r.isEmpty()) continue;
    if (drag_ == Drag::Move) r.translate(now_ - press_);
    for (int h = 0; h < 8; ++h) {
      if (selection.size() > 1 && h % 2 == 1) continue;
      p.fillRect(HandleRect(r, h), selection.size() > 1 ? Qt::gray : Qt::black);
    }
  }
  if (drag_ == Drag::Size && selection.size() == 1) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    QRect r = RectOf(*selection.front());
    const QPoint d = now_ - press_;
    if (handle_ == 0 || handle_ == 6 || handle_ == 7) r.setLeft(r.left() + d.x());
    if (handle_ == 0 || handle_ == 1 || handle_ == 2) r.setTop(r.top() + d.y());
    if (handle_ == 2 || handle_ == 3 || handle_ == 4) r.setRight(r.right() + d.x());
    if (handle_ == 4 || handle_ == 5 || handle_ == 6) r.setBottom(r.bottom() + d.y());
    p.drawRect(r.normalized());
  }
  if (drag_ == Drag::Band) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(QRect(press_, now_).normalized());
  }
  p.restore();
}

TComponent* DesignSurface::ControlAt(TControl& parent, const QPoint& point) const {
  auto* win = dynamic_cast<TWinControl*>(&parent);
  if (win == nullptr) return nullptr;
  for (int pass = 1; pass >= 0; --pass) {
    for (int i = win->ControlCount() - 1; i >= 0; --i) {
      TControl* child = win->Controls(i);
      const bool windowed = dynamic_cast<TWinControl*>(child) != nullptr;
      if (windowed != (pass == 1) || !Shown(*child)) continue;
      if (!ControlRect(*child).contains(point)) continue;
      if (TComponent* deeper = ControlAt(*child, point)) return deeper;
      // A page is picked as its page control, as the designer does for clicks on the tabs.
      return child;
    }
  }
  return nullptr;
}

TComponent* DesignSurface::ComponentAt(const QPoint& point) const {
  if (editor_ == nullptr || editor_->Root() == nullptr) return nullptr;
  TComponent* root = editor_->Root();
  for (const Tile& tile : Tiles()) {
    if (tile.rect.contains(point)) return tile.component;
  }
  if (!ClientRect().contains(point)) return nullptr;
  if (auto* control = dynamic_cast<TControl*>(root)) {
    if (TComponent* hit = ControlAt(*control, point)) return hit;
  }
  return root;
}

int DesignSurface::HandleAt(const QPoint& point) const {
  const auto selection = Selection();
  if (selection.size() != 1 || !IsControl(*selection.front()) ||
      selection.front() == editor_->Root())
    return -1;
  const QRect r = RectOf(*selection.front());
  for (int h = 0; h < 8; ++h) {
    if (HandleRect(r, h).adjusted(-2, -2, 2, 2).contains(point)) return h;
  }
  return -1;
}

void DesignSurface::Select(TComponent* component, bool add) {
  if (editor_ == nullptr || component == nullptr) return;
  editor_->Select(*component, add);
}

void DesignSurface::mousePressEvent(QMouseEvent* event) {
  if (editor_ == nullptr || event->button() != Qt::LeftButton) return;
  press_ = now_ = event->position().toPoint();
  handle_ = HandleAt(press_);
  if (handle_ >= 0) {
    drag_ = Drag::Size;
    return;
  }
  TComponent* hit = ComponentAt(press_);
  if (hit == nullptr) return;
  TComponent* root = editor_->Root();
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
  // A band on the form's free area, or with Ctrl inside a container, as the designer does.
  if (hit == root || (ctrl && dynamic_cast<TWinControl*>(hit) != nullptr)) {
    drag_ = Drag::Band;
    band_parent_ = dynamic_cast<TWinControl*>(hit);
    if (!shift) Select(root, false);
  } else {
    auto selection = Selection();
    const bool selected = std::find(selection.begin(), selection.end(), hit) != selection.end();
    if (shift && selected) {
      // Shift-click on a selected component takes it out of the selection.
      std::erase(selection, hit);
      Select(root, false);
      for (TComponent* c : selection) Select(c, true);
    } else if (shift) {
      Select(hit, true);
    } else if (!selected) {
      Select(hit, false);
    }
    drag_ = shift ? Drag::None : Drag::Move;
  }
  update();
  if (changed) changed();
}

void DesignSurface::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return;
  now_ = event->position().toPoint();
  update();
}

void DesignSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::None || event->button() != Qt::LeftButton) return;
  now_ = event->position().toPoint();
  const Drag drag = drag_;
  drag_ = Drag::None;
  if (drag == Drag::Move && now_ != press_) FinishMove();
  if (drag == Drag::Size && now_ != press_) FinishSize();
  if (drag == Drag::Band) FinishBand();
  updateGeometry();
  update();
  if (changed) changed();
}

void DesignSurface::SetProp(TComponent& component, const char* name, int value) {
  editor_->SetProp(component, name, ide::TPropBuffer(static_cast<int32_t>(value)));
}

void DesignSurface::FinishMove() {
  const QPoint d = now_ - press_;
  const auto selection = Selection();
  for (TComponent* c : selection) {
    // A control moves with a selected parent; only the outermost ones move themselves.
    bool parent_selected = false;
    if (auto* control = dynamic_cast<TControl*>(c)) {
      for (TControl* up = control->Parent(); up != nullptr; up = up->Parent()) {
        parent_selected =
            parent_selected || std::find(selection.begin(), selection.end(), up) != selection.end();
      }
    }
    if (parent_selected || c == editor_->Root()) continue;
    SetProp(*c, "Left", c->GetPropValue("Left").AsInteger() + d.x());
    SetProp(*c, "Top", c->GetPropValue("Top").AsInteger() + d.y());
  }
}

void DesignSurface::FinishSize() {
  const auto selection = Selection();
  auto* control = dynamic_cast<TControl*>(selection.front());
  if (control == nullptr) return;
  const QPoint d = now_ - press_;
  int left = control->Left();
  int top = control->Top();
  int width = control->Width();
  int height = control->Height();
  if (handle_ == 0 || handle_ == 6 || handle_ == 7) {
    left += d.x();
    width -= d.x();
  }
  if (handle_ == 0 || handle_ == 1 || handle_ == 2) {
    top += d.y();
    height -= d.y();
  }
  if (handle_ == 2 || handle_ == 3 || handle_ == 4) width += d.x();
  if (handle_ == 4 || handle_ == 5 || handle_ == 6) height += d.y();
  if (width < 1 || height < 1) return;
  if (left != control->Left()) SetProp(*control, "Left", left);
  if (top != control->Top()) SetProp(*control, "Top", top);
  if (width != control->Width()) SetProp(*control, "Width", width);
  if (height != control->Height()) SetProp(*control, "Height", height);
}

void DesignSurface::FinishBand() {
  const QRect band = QRect(press_, now_).normalized();
  TWinControl* parent = band_parent_;
  bool first = true;
  if (parent != nullptr && band.width() > 2 && band.height() > 2) {
    // The band picks the controls of the container it began in that it touches, in the
    // container's order.
    for (int i = 0; i < parent->ControlCount(); ++i) {
      TControl* child = parent->Controls(i);
      if (!Shown(*child)) continue;
      if (!ControlRect(*child).intersects(band)) continue;
      Select(child, !first);
      first = false;
    }
  }
  for (const Tile& tile : Tiles()) {
    if (parent == editor_->Root() && band.width() > 2 && tile.rect.intersects(band)) {
      Select(tile.component, !first);
      first = false;
    }
  }
}

}  // namespace gui
