#include "ide/ide_desktop.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "ide/source_editor.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/menus.h"

using namespace ide;
using ide::testing::HostFixture;
using ide::testing::ReplaceOnce;
using ide::testing::ScreenForm;

TEST(IdeMainMenuTest, SaveAllSavesEveryModifiedModule) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/Cadastro.dpr"}));
  // The menu bar's captions, pictures and shortcuts are what `zori menus` prints.
  auto* save_all = dynamic_cast<platform::TMenuItem*>(
      f.host->Desktop().MainWindow().FindComponent("FileSaveAllItem"));
  ASSERT_NE(save_all, nullptr);
  ASSERT_NE(save_all->Action(), nullptr);
  // Nothing modified: the command writes nothing.
  save_all->Action()->Execute();
  EXPECT_TRUE(f.files->writes().empty());

  auto form = Supports<IOTAFormEditor>(f.host->Module(0)->GetModuleFileEditor(1));
  ASSERT_TRUE(form->FindComponent("Edit2")->SetPropByName("Top", int32_t{12}));
  auto writer = f.host->Module(1)->Source().CreateUndoableWriter();
  writer->Insert("{ revisado }\r\n");
  writer.reset();
  save_all->Action()->Execute();
  EXPECT_EQ(f.files->writes(),
            (std::vector<std::string>{"proj/uCadastro.dfm", "proj/uRotinas.pas"}));
  EXPECT_FALSE(f.host->Module(0)->Modified());
  EXPECT_FALSE(f.host->Module(1)->Modified());
}

TEST(IdeDesktopTest, WindowsComeFromTheDesktopFileAndMovesAreWrittenBack) {
  HostFixture f;
  const std::string dsk = f.files->Contents("proj/Cadastro.dsk");
  ASSERT_TRUE(f.Load({"proj/Cadastro.dpr"}));
  IdeDesktop& desktop = f.host->Desktop();
  EXPECT_EQ(desktop.WindowCount(), 5);

  platform::TCustomForm* inspector = ScreenForm("PropertyInspector");
  ASSERT_NE(inspector, nullptr);
  EXPECT_EQ(inspector->Top(), 112);
  EXPECT_EQ(inspector->Height(), 617);
  EXPECT_TRUE(inspector->Visible());
  ASSERT_NE(ScreenForm("ProjectManagerForm"), nullptr);
  EXPECT_FALSE(ScreenForm("ProjectManagerForm")->Visible());
  ASSERT_NE(ScreenForm("CodeExplorer"), nullptr);
  EXPECT_EQ(ScreenForm("CodeExplorer")->Parent(), ScreenForm("EditWindow_0"));
  EXPECT_EQ(ScreenForm("AppBuilder")->Width(), 1024);
  // The editor's cursor is where the desktop's view of the unit left it.
  auto view = Supports<IOTASourceEditor>(f.host->Module(0)->GetModuleFileEditor(0))->GetEditView(0);
  EXPECT_EQ(view->GetCursorPos().Line, 38);
  EXPECT_EQ(view->GetCursorPos().Col, 3);
  EXPECT_EQ(Supports<IOTASourceEditor>(f.host->Module(1)->GetModuleFileEditor(0))
                ->GetEditView(0)
                ->GetCursorPos()
                .Line,
            1);

  // Saving with no window moved leaves the file alone; a move rewrites only its keys.
  std::string err;
  ASSERT_TRUE(f.host->SaveAll(&err)) << err;
  EXPECT_TRUE(f.files->writes().empty());
  inspector->SetLeft(30);
  ScreenForm("ProjectManagerForm")->SetVisible(true);
  ASSERT_TRUE(f.host->SaveAll(&err)) << err;
  std::string expected =
      ReplaceOnce(dsk, "[ObjectInspector]\r\nCreate=1\r\nVisible=1\r\nState=0\r\nLeft=0",
                  "[ObjectInspector]\r\nCreate=1\r\nVisible=1\r\nState=0\r\nLeft=30");
  expected = ReplaceOnce(expected, "[ProjectManager]\r\nCreate=1\r\nVisible=0",
                         "[ProjectManager]\r\nCreate=1\r\nVisible=1");
  EXPECT_EQ(f.files->Contents("proj/Cadastro.dsk"), expected);
}

TEST(IdeDesktopTest, ProjectWithoutDesktopFileGetsTheDefaultWindows) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/uRotinas.pas"}));
  const char* names[] = {"AppBuilder", "PropertyInspector", "EditWindow_0", "ProjectManagerForm"};
  for (const char* name : names) EXPECT_NE(ScreenForm(name), nullptr) << name;
  EXPECT_TRUE(ScreenForm("PropertyInspector")->Visible());
  EXPECT_EQ(ScreenForm("CodeExplorer")->Parent(), ScreenForm("EditWindow_0"));
  std::string err;
  EXPECT_TRUE(f.host->SaveAll(&err));
  EXPECT_TRUE(f.files->writes().empty());  // no desktop file to write into
}
