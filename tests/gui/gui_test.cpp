// zori gui: the add-in's windows on real Qt widgets (Qt's offscreen platform), driven with
// mouse clicks and key presses as a user would, over a copy of the bundled example.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>
#include <sstream>

#include "apps/zori_run.h"
#include "cli.h"
#include "gui/design_surface.h"
#include "gui/form_window.h"
#include "gui/ide_window.h"
#include "gui/window_system.h"
#include "gui_session.h"
#include "ide/disk_host.h"
#include "ide/disk_module.h"
#include "ide/form_editor.h"
#include "ide/ide_desktop.h"
#include "ide/source_editor.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "reg/U_zori_reg.h"

namespace fs = std::filesystem;

namespace {

// The text of one object's block in a form file ("object NAME: ..." through its "end").
std::string ObjectBlock(const std::string& dfm, const std::string& name) {
  const size_t start = dfm.find("object " + name + ":");
  if (start == std::string::npos) return {};
  return dfm.substr(start, dfm.find(" end", start) - start);
}

class GuiTest : public ScratchTest {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zori_gui_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);  // lives for the run
  }

  void SetUp() override {
    ScratchTest::SetUp();
    CopyIn(fs::path(ZORI_SOURCE_DIR) / "examples" / "Estoque", "proj");
    context_.package_dir = Pkg();
    session_ = std::make_unique<zori::cli::GuiSession>(context_);
    std::string err;
    ASSERT_TRUE(session_->Start({(root_ / "proj" / "Estoque.dpr").string()}, {}, &err)) << err;
    ASSERT_TRUE(session_->WaitForToolMenu(10000));
  }

  void TearDown() override {
    session_.reset();
    platform::ResetApplication();
    ScratchTest::TearDown();
  }

  // Chooses the menu command of a platform menu item as the user would.
  void Choose(const platform::TMenuItem* item) {
    QAction* action = session_->Window().ActionOf(item);
    ASSERT_NE(action, nullptr);
    action->trigger();
  }

  gui::FormWindow* WindowNamed(const std::string& name) {
    for (int i = 0; i < platform::Screen().FormCount(); ++i) {
      platform::TCustomForm* form = platform::Screen().Forms(i);
      if (form->Name() == name) return session_->System().WindowOf(*form);
    }
    return nullptr;
  }

  void Click(QWidget* widget, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             QPoint at = QPoint()) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, modifiers,
                      at.isNull() ? widget->rect().center() : at);
  }

  // Clicks the component on the design surface.
  void ClickOnForm(const std::string& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    gui::DesignSurface& surface = session_->Window().Surface();
    platform::TComponent* c = surface.Editor()->Root()->FindComponent(name);
    ASSERT_NE(c, nullptr) << name;
    Click(&surface, modifiers, surface.RectOf(*c).center());
  }

  std::ostringstream out_, err_;
  std::istringstream in_;
  zori::cli::Context context_{out_, err_, in_, {}};
  std::unique_ptr<zori::cli::GuiSession> session_;
};

}  // namespace

TEST_F(GuiTest, PaletteButtonAlignsTheControlsClickedOnTheFormAndSaveAllWritesThem) {
  QMenu* zori = session_->Window().menuBar()->findChild<QMenu*>(
      QString::fromStdString(v_Inst_ZORIIDEx->FMenuZORI->Name()));
  ASSERT_NE(zori, nullptr);
  EXPECT_EQ(zori->title(), "&ZORI");

  ASSERT_TRUE(session_->Window().OpenUnit("uProdutos"));
  Choose(v_Inst_ZORIIDEx->FMenuZORIAlign);
  gui::FormWindow* palette = WindowNamed("F_ZORI_Align");
  ASSERT_NE(palette, nullptr);
  EXPECT_TRUE(palette->isVisible());

  ClickOnForm("Label1");
  ClickOnForm("Label4", Qt::ShiftModifier);
  ClickOnForm("DBEdit2", Qt::ShiftModifier);
  const auto selection = session_->Window().Surface().Selection();
  ASSERT_EQ(selection.size(), 3u);
  EXPECT_EQ(selection[0]->Name(), "Label1");
  EXPECT_EQ(selection[2]->Name(), "DBEdit2");
  const int top = selection[0]->GetPropValue("Top").AsInteger();

  Click(palette->WidgetOf("tbtn_align_top"));
  EXPECT_EQ(selection[1]->GetPropValue("Top").AsInteger(), top);
  EXPECT_EQ(selection[2]->GetPropValue("Top").AsInteger(), top);
  EXPECT_TRUE(session_->Host().Module(session_->Host().CurrentModuleIndex())->Modified());

  auto* save_all = dynamic_cast<platform::TMenuItem*>(
      session_->Host().Desktop().MainWindow().FindComponent("FileSaveAllItem"));
  ASSERT_NE(save_all, nullptr);
  Choose(save_all);
  const std::string dfm = ReadAll(root_ / "proj" / "uProdutos.dfm");
  const std::string expected = "Top = " + std::to_string(top) + "\r\n";
  EXPECT_NE(ObjectBlock(dfm, "Label4").find(expected), std::string::npos)
      << ObjectBlock(dfm, "Label4");
  EXPECT_NE(ObjectBlock(dfm, "DBEdit2").find(expected), std::string::npos)
      << ObjectBlock(dfm, "DBEdit2");
  EXPECT_FALSE(session_->Host().Module(session_->Host().CurrentModuleIndex())->Modified());

  // Dragging a control moves it through the designer, which marks the form modified.
  gui::DesignSurface& surface = session_->Window().Surface();
  platform::TComponent* edit = surface.Editor()->Root()->FindComponent("Edit1");
  const int left = edit->GetPropValue("Left").AsInteger();
  const QPoint from = surface.RectOf(*edit).center();
  QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(&surface, from + QPoint(16, 0));
  QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, from + QPoint(16, 0));
  EXPECT_EQ(edit->GetPropValue("Left").AsInteger(), left + 16);
  EXPECT_TRUE(session_->Host().Module(session_->Host().CurrentModuleIndex())->Modified());

  // A Ctrl band inside the panel picks what it touches, in the panel's order: the labels
  // on the first row and the two controls aligned to their top above.
  const QPoint corner =
      surface.RectOf(*surface.Editor()->Root()->FindComponent("Panel1")).topLeft();
  QTest::mousePress(&surface, Qt::LeftButton, Qt::ControlModifier, corner + QPoint(4, 4));
  QTest::mouseMove(&surface, corner + QPoint(150, 20));
  QTest::mouseRelease(&surface, Qt::LeftButton, Qt::ControlModifier, corner + QPoint(150, 20));
  std::vector<std::string> band;
  for (platform::TComponent* c : surface.Selection()) band.push_back(c->Name());
  EXPECT_EQ(band, (std::vector<std::string>{"Label1", "Label2", "Label4", "DBEdit2"}));
}

TEST_F(GuiTest, TabOrderWindowShowsBothTreesOfTheOpenForm) {
  ASSERT_TRUE(session_->Window().OpenUnit("uProdutos"));
  ClickOnForm("Panel1");
  int current_roots = -1;
  int suggested_roots = -1;
  session_->System().on_shown = [&](gui::FormWindow& window) {
    if (window.Form() == nullptr || window.Form()->Name() != "F_ZORI_TabOrder") return;
    auto* current = qobject_cast<QTreeWidget*>(window.WidgetOf("tv_Resultado"));
    auto* suggested = qobject_cast<QTreeWidget*>(window.WidgetOf("tv_tab_order_correto"));
    if (current != nullptr) current_roots = current->topLevelItemCount();
    if (suggested != nullptr) suggested_roots = suggested->topLevelItemCount();
    QTest::keyClick(&window, Qt::Key_Escape);
  };
  Choose(v_Inst_ZORIIDEx->FMenuZORITabOrder);
  EXPECT_GT(current_roots, 0);
  EXPECT_EQ(suggested_roots, current_roots);
}

TEST_F(GuiTest, ActionsStayInTheirListAndAreNoTilesOnTheForm) {
  session_.reset();
  platform::ResetApplication();
  CopyIn(fs::path(ZORI_TEST_DATA_DIR) / "host" / "Nomes", "nomes");
  session_ = std::make_unique<zori::cli::GuiSession>(context_);
  std::string err;
  ASSERT_TRUE(session_->Start({(root_ / "nomes" / "uAcoesUtf8.pas").string()}, {}, &err)) << err;
  ASSERT_TRUE(session_->WaitForToolMenu(10000));
  const gui::DesignSurface& surface = session_->Window().Surface();
  platform::TComponent* form = surface.Editor()->Root();
  EXPECT_FALSE(surface.RectOf(*form->FindComponent("alAções")).isEmpty());
  EXPECT_TRUE(surface.RectOf(*form->FindComponent("Transferência")).isEmpty());
}

TEST_F(GuiTest, CommentCommandWritesTheHeaderAtTheClickedLine) {
  ASSERT_TRUE(session_->Window().OpenUnit("uFuncoes"));
  QPlainTextEdit& code = session_->Window().CodePane();
  session_->Window().Pages().setCurrentIndex(1);
  // The implementation's declaration of IIf, where the user clicks.
  const QTextBlock block =
      code.document()
          ->find(QStringLiteral("function IIf"),
                 code.document()->find(QStringLiteral("implementation")).position())
          .block();
  ASSERT_TRUE(block.isValid());
  QTextCursor at(block);
  code.setTextCursor(at);
  Click(code.viewport(), Qt::NoModifier, code.cursorRect(at).center());
  EXPECT_EQ(session_->Host().Module(session_->Host().CurrentModuleIndex())->Source().cursor.Line,
            block.blockNumber() + 1);

  bool shown = false;
  session_->System().on_shown = [&](gui::FormWindow& window) {
    if (window.Form() == nullptr || window.Form()->Name() != "F_ZORI_Manager_Comm") return;
    shown = true;
    auto* description = qobject_cast<QPlainTextEdit*>(window.WidgetOf("dbm_TX_DESCRICAO"));
    ASSERT_NE(description, nullptr);
    description->setFocus();
    QTest::keyClicks(description, "Escolhe um dos dois valores");
    Click(window.WidgetOf("bbtn_Ok"));
  };
  Choose(v_Inst_ZORIIDEx->FMenuZORIComment);
  ASSERT_TRUE(shown);
  std::string err;
  ASSERT_TRUE(session_->Host().SaveAll(&err)) << err;
  const std::string unit = ReadAll(root_ / "proj" / "uFuncoes.pas");
  const size_t header = unit.find("Escolhe um dos dois valores");
  ASSERT_NE(header, std::string::npos);
  EXPECT_LT(header, unit.find("function IIf", unit.find("implementation")));
  EXPECT_GT(header, unit.find("implementation"));
}
