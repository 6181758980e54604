#include "ide/disk_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "ide/file_system.h"
#include "ide/form_editor.h"
#include "ide/ide_desktop.h"
#include "ide/source_editor.h"
#include "platform/application.h"
#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/menus.h"
#include "platform/registry.h"
#include "platform/strings.h"

using namespace ide;
using ide::testing::HostFixture;
using ide::testing::ReplaceOnce;

namespace {

void ExpectConsistent(DiskHost& host) {
  for (int i = 0; i < host.ModuleCount(); ++i) {
    if (FormEditor* form = host.Module(i)->Form()) {
      std::string err;
      EXPECT_TRUE(form->CheckConsistency(&err)) << host.Module(i)->GetFileName() << ": " << err;
    }
  }
}

class RecordingNotifier : public TNotifierObject, public IOTAIDENotifier50 {
 public:
  std::vector<std::string> heard;
  bool cancel_compile = false;

  void FileNotification(TOTAFileNotification code, const std::string& file_name, bool&) override {
    heard.push_back("file " + std::to_string(code) + " " + file_name);
  }
  void BeforeCompile(const std::shared_ptr<IOTAProject>&, bool&) override {
    heard.push_back("before (old form)");
  }
  void AfterCompile(bool) override { heard.push_back("after (old form)"); }
  void BeforeCompile(const std::shared_ptr<IOTAProject>& project, bool code_insight,
                     bool& cancel) override {
    heard.push_back("before " + project->GetFileName() + (code_insight ? " insight" : ""));
    cancel = cancel_compile;
  }
  void AfterCompile(bool succeeded, bool) override {
    heard.push_back(succeeded ? "after ok" : "after failed");
  }
};

}  // namespace

TEST(ProjectLoadTest, ProgramOpensItsUnitsWithTheFormAsSecondFileEditor) {
  HostFixture f;
  auto notifier = std::make_shared<RecordingNotifier>();
  auto services = Supports<IOTAServices>(BorlandIDEServices);
  ASSERT_NE(services, nullptr);
  const int index = services->AddNotifier(notifier);
  ASSERT_TRUE(f.Load({"proj/Cadastro.dpr"})) << f.errors.front();

  auto modules = Supports<IOTAModuleServices>(BorlandIDEServices);
  ASSERT_EQ(modules->GetModuleCount(), 3);
  EXPECT_EQ(modules->GetModule(0)->GetFileName(), "proj/uCadastro.pas");
  EXPECT_EQ(modules->GetModule(1)->GetFileName(), "proj/uRotinas.pas");
  // The path written with a backslash in the program finds the unit in its subfolder.
  EXPECT_EQ(modules->GetModule(2)->GetFileName(), "proj/Dados/uDados.pas");
  EXPECT_EQ(modules->GetModule(3), nullptr);

  auto form_unit = modules->GetModule(0);
  ASSERT_EQ(form_unit->GetModuleFileCount(), 2);
  EXPECT_NE(Supports<IOTASourceEditor>(form_unit->GetModuleFileEditor(0)), nullptr);
  EXPECT_EQ(Supports<IOTAFormEditor>(form_unit->GetModuleFileEditor(0)), nullptr);
  auto form = Supports<IOTAFormEditor>(form_unit->GetModuleFileEditor(1));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->GetFileName(), "proj/uCadastro.dfm");
  EXPECT_EQ(form->GetModule(), form_unit);

  auto plain = modules->GetModule(1);
  EXPECT_EQ(plain->GetModuleFileCount(), 1);
  EXPECT_EQ(Supports<IOTAFormEditor>(plain->GetModuleFileEditor(0)), nullptr);
  EXPECT_EQ(plain->GetModuleFileEditor(1), nullptr);

  // The current module is the first with a form; notifiers heard of the project load.
  EXPECT_EQ(modules->CurrentModule(), form_unit);
  EXPECT_EQ(notifier->heard, std::vector<std::string>{"file 5 proj/Cadastro.dsk"});
  services->RemoveNotifier(index);
  EXPECT_EQ(f.host->NotifierCount(), 0);
  ExpectConsistent(*f.host);
}

TEST(ProjectLoadTest, LiveComponentsFollowTheFormFile) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj"})) << f.errors.front();  // the folder's one program
  ASSERT_EQ(f.host->ModuleCount(), 3);
  platform::TComponent* root = f.host->Module(0)->Form()->Root();
  EXPECT_EQ(root->Name(), "frmCadastro");
  EXPECT_EQ(root->ClassName(), "TfrmCadastro");
  EXPECT_TRUE(root->InheritsFrom("TForm"));
  ASSERT_EQ(root->ComponentCount(), 10);
  EXPECT_EQ(root->Components(0)->Name(), "Panel1");
  EXPECT_EQ(root->Components(9)->Name(), "DataSource1");

  auto* label = dynamic_cast<platform::TControl*>(root->FindComponent("Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), root->FindComponent("Panel1"));
  EXPECT_EQ(label->Caption(), "C\u00f3digo");
  EXPECT_EQ(label->GetComponentRef("FocusControl"), root->FindComponent("Edit1"));
  EXPECT_EQ(root->FindComponent("DataSource1")->GetComponentRef("DataSet"),
            root->FindComponent("ClientDataSet1"));
  EXPECT_TRUE(root->FindComponent("ClientDataSet1")->InheritsFrom("TDataSet"));
  EXPECT_EQ(dynamic_cast<platform::TControl*>(root->FindComponent("ClientDataSet1")), nullptr);
  EXPECT_TRUE(root->FindComponent("ClientDataSet1")->GetPropValue("Active").AsBoolean());

  platform::TComponent* data = f.host->Module(2)->Form()->Root();
  EXPECT_TRUE(data->InheritsFrom("TDataModule"));
  EXPECT_TRUE(data->FindComponent("conPrincipal")->InheritsFrom("TCustomConnection"));
  EXPECT_EQ(data->FindComponent("qryClientes")->GetComponentRef("Connection"),
            data->FindComponent("conPrincipal"));
  ExpectConsistent(*f.host);
}

TEST(CompileTest, BeforeCompileCancelStopsTheCompileUntilTheNotifierIsRemoved) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj/Cadastro.dpr"}));
  auto services = Supports<IOTAServices>(BorlandIDEServices);
  auto first = std::make_shared<RecordingNotifier>();
  auto second = std::make_shared<RecordingNotifier>();
  const int a = services->AddNotifier(first);
  const int b = services->AddNotifier(second);
  EXPECT_NE(a, b);

  first->cancel_compile = true;
  EXPECT_FALSE(f.host->Compile());
  EXPECT_EQ(first->heard, std::vector<std::string>{"before proj/Cadastro.dpr"});
  EXPECT_TRUE(second->heard.empty());  // the compile stopped at the first cancel

  services->RemoveNotifier(a);
  services->RemoveNotifier(a);  // a second removal of the same index does nothing
  EXPECT_TRUE(f.host->Compile());
  EXPECT_EQ(second->heard, (std::vector<std::string>{"before proj/Cadastro.dpr", "after ok"}));
  EXPECT_EQ(first->heard.size(), 1u);
  services->RemoveNotifier(b);
  EXPECT_EQ(f.host->NotifierCount(), 0);
}

TEST(CompileTest, TheServicesObjectLivesAsLongAsTheHost) {
  std::weak_ptr<IBorlandIDEServices> seen;
  std::shared_ptr<IOTAComponent> kept;
  {
    HostFixture f;
    seen = BorlandIDEServices;
    ASSERT_NE(Supports<IOTAModuleServices>(BorlandIDEServices), nullptr);
    ASSERT_TRUE(f.Load({"proj/uRotinas.pas", "proj/uCadastro.pas"}));
    EXPECT_EQ(Supports<IOTAModuleServices>(BorlandIDEServices)->GetModuleCount(), 2);
    kept = Supports<IOTAFormEditor>(f.host->Module(1)->GetModuleFileEditor(1))
               ->FindComponent("DBGrid1");
  }
  EXPECT_EQ(BorlandIDEServices, nullptr);
  EXPECT_TRUE(seen.expired());
  // A designer component the add-in still holds stays whole after the IDE is gone.
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->GetComponentType(), "TDBGrid");
  EXPECT_TRUE(Supports<INTAComponent>(kept)->GetComponent()->InheritsFrom("TCustomGrid"));
}

TEST(KnownPackagesTest, TheAddInPackageIsListedInTheFolderTheHostIsGiven) {
  platform::ResetApplication();
  HostFixture f;
  f.host->SetPackageDirectory("/opt/zori/pacote");
  f.host->SetPackageDirectory("/home/dev/.zori");  // the later folder replaces the first
  platform::TRegistry registry;
  registry.SetRootKey(platform::HKEY_CURRENT_USER);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Borland\\Delphi\\6.0\\Known Packages", false));
  platform::TStringList names;
  registry.GetValueNames(names);
  EXPECT_GE(names.IndexOf("$(DELPHI)\\Bin\\dclstd60.bpl"), 0);
  EXPECT_GE(names.IndexOf("/home/dev/.zori/ZORIIDEx_1.bpl"), 0);
  EXPECT_EQ(names.IndexOf("/opt/zori/pacote/ZORIIDEx_1.bpl"), -1);
  EXPECT_EQ(registry.ReadString("/home/dev/.zori/ZORIIDEx_1.bpl"), "ROVUVUVoravud");
  EXPECT_EQ(f.host->PackageDirectory(), "/home/dev/.zori");
}

TEST(ProjectLoadTest, InlineFramesOwnTheirComponentsAndBadFormsNeverCrash) {
  HostFixture f;
  const std::string unit =
      "unit uFrames;\r\ninterface\r\ntype\r\n  TfrmFrames = class(TfrmBase)\r\n"
      "    Label1: TLabel;\r\n    Frame11: TFrame1;\r\n  end;\r\nimplementation\r\nend.\r\n";
  f.files->Create("proj/uFrames.pas", unit);
  f.files->Create("proj/uFrames.dfm",
                  "inherited frmFrames: TfrmFrames\r\n  Caption = 'Com quadros'\r\n"
                  "  object Label1: TLabel\r\n    Caption = 'Topo'\r\n  end\r\n"
                  "  inline Frame11: TFrame1\r\n    Left = 8\r\n    TabOrder = 0\r\n"
                  "    inherited Label1: TLabel\r\n      Caption = 'No quadro'\r\n    end\r\n"
                  "  end\r\nend\r\n");
  for (const char* name : {"Fim", "Longo"}) {
    f.files->Create(std::string("proj/u") + name + ".pas",
                    std::string("unit u") + name + ";\r\ninterface\r\nimplementation\r\nend.\r\n");
  }
  f.files->Create("proj/uFim.dfm",
                  "object F: TForm\r\n  object A: TEdit\r\n  end\r\nend\r\nend\r\n");
  f.files->Create("proj/uLongo.dfm",
                  "object F: TForm\r\n  Caption = '" + std::string(1 << 20, 'x') + "\r\nend\r\n");
  EXPECT_FALSE(f.Load({"proj/uFrames.pas", "proj/uFim.pas", "proj/uLongo.pas"}));
  ASSERT_EQ(f.errors.size(), 2u);
  EXPECT_EQ(f.errors[0].rfind("proj/uFim.dfm:5:", 0), 0u) << f.errors[0];
  EXPECT_EQ(f.errors[1].rfind("proj/uLongo.dfm:2:", 0), 0u) << f.errors[1].substr(0, 200);
  ASSERT_EQ(f.host->ModuleCount(), 1);

  FormEditor* form = f.host->Module(0)->Form();
  platform::TComponent* root = form->Root();
  EXPECT_TRUE(root->InheritsFrom("TForm"));  // the ancestor TfrmBase is not known here
  platform::TComponent* frame = root->FindComponent("Frame11");
  ASSERT_NE(frame, nullptr);
  auto* frame_control = dynamic_cast<platform::TWinControl*>(frame);
  ASSERT_NE(frame_control, nullptr);
  EXPECT_EQ(frame_control->Parent(), root);
  ASSERT_NE(frame->FindComponent("Label1"), nullptr);
  EXPECT_EQ(dynamic_cast<platform::TControl*>(frame->FindComponent("Label1"))->Parent(), frame);
  EXPECT_NE(frame->FindComponent("Label1"), root->FindComponent("Label1"));
  EXPECT_EQ(frame->FindComponent("Label1")->GetPropValue("Caption").AsString(), "No quadro");
  ExpectConsistent(*f.host);
  std::string err;
  ASSERT_TRUE(f.host->Module(0)->Save(false, true));
  EXPECT_TRUE(f.files->writes().empty());
}

TEST(ProjectLoadTest, DesignedFormsStandOnTheScreenWithTheirDesigner) {
  const auto on_screen = ide::testing::ScreenForm;
  {
    HostFixture f;
    ASSERT_TRUE(f.Load({"proj/Cadastro.dpr"})) << f.errors.front();
    platform::TCustomForm* designed = on_screen("frmCadastro");
    ASSERT_NE(designed, nullptr);
    EXPECT_TRUE(designed->HasDesigner());
    EXPECT_EQ(on_screen("dmDados"), nullptr);  // a data module is no window
    platform::TCustomForm* ide_window = on_screen("AppBuilder");
    ASSERT_NE(ide_window, nullptr);
    EXPECT_FALSE(ide_window->HasDesigner());

    // The main menu's pictures come from its image list, by the items' image indices.
    platform::TMainMenu& menu = *f.host->Desktop().MainMenu();
    ASSERT_NE(menu.Images(), nullptr);
    platform::TMenuItem* save_all = menu.Items()->Items(0)->Find("Save All");
    ASSERT_NE(save_all, nullptr);
    ASSERT_LT(save_all->ImageIndex(), menu.Images()->Count());
    EXPECT_NE(menu.Images()->Image(save_all->ImageIndex()), menu.Images()->Image(0));
  }
  EXPECT_EQ(on_screen("frmCadastro"), nullptr);  // closed with the project
}

TEST(ModuleSaveTest, FormAndUnitLandTogetherAndAnEditMadeOnDiskIsNeverSavedOver) {
  HostFixture f;
  ASSERT_TRUE(f.Load({"proj"})) << f.errors.front();
  const std::shared_ptr<DiskModule> module = f.host->Module(0);
  const std::string pas = f.files->Contents("proj/uCadastro.pas");
  const std::string dfm = f.files->Contents("proj/uCadastro.dfm");
  // Renaming changes the form and the unit's field.
  ASSERT_TRUE(
      module->Form()->FindComponent("Edit1")->SetPropByName("Name", std::string("edtCodigo")));

  // The unit cannot be written: neither file changes.
  f.files->FailWritesTo("proj/uCadastro.pas");
  EXPECT_FALSE(module->Save(false, true));
  EXPECT_EQ(module->LastError(), "proj/uCadastro.pas: write failed");
  EXPECT_TRUE(module->Modified());
  EXPECT_EQ(f.files->Contents("proj/uCadastro.dfm"), dfm);
  EXPECT_EQ(f.files->Contents("proj/uCadastro.pas"), pas);

  // Someone else edited the unit meanwhile: their edit stays, the form is not written alone.
  HostFixture g;
  ASSERT_TRUE(g.Load({"proj"})) << g.errors.front();
  const std::shared_ptr<DiskModule> again = g.host->Module(0);
  ASSERT_TRUE(
      again->Form()->FindComponent("Edit1")->SetPropByName("Name", std::string("edtCodigo")));
  const std::string theirs = pas + "{ their edit }\r\n";
  g.files->Create("proj/uCadastro.pas", theirs);
  EXPECT_FALSE(again->Save(false, true));
  EXPECT_EQ(again->LastError(),
            "proj/uCadastro.pas: changed on disk since it was read; not saved over");
  EXPECT_EQ(g.files->Contents("proj/uCadastro.pas"), theirs);
  EXPECT_EQ(g.files->Contents("proj/uCadastro.dfm"), dfm);
  EXPECT_TRUE(g.files->writes().empty());

  // Put back as it was read, the pair saves, and saves again after its own write.
  g.files->Create("proj/uCadastro.pas", pas);
  ASSERT_TRUE(again->Save(false, true)) << again->LastError();
  EXPECT_EQ(g.files->writes(),
            (std::vector<std::string>{"proj/uCadastro.dfm", "proj/uCadastro.pas"}));
  EXPECT_NE(g.files->Contents("proj/uCadastro.pas").find("edtCodigo"), std::string::npos);
  ASSERT_TRUE(
      again->Form()->FindComponent("edtCodigo")->SetPropByName("Name", std::string("edtCod")));
  EXPECT_TRUE(again->Save(false, true)) << again->LastError();
}

TEST(ProjectLoadTest, ListedUnitsOpenOneAtATimeInAnyOrderWithTheirOwnForms) {
  // On the real disk, where the next units are read ahead while one is open.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("zori-listed-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (int i = 0; i < 7; ++i) {
    const std::string n = std::to_string(i);
    std::ofstream(folder / ("u" + n + ".pas"))
        << "unit u" << n << ";\r\ninterface\r\nuses Forms;\r\ntype\r\n  TF" << n
        << " = class(TForm)\r\n  end;\r\nimplementation\r\nend.\r\n";
    std::ofstream(folder / ("u" + n + ".dfm"))
        << "object F" << n << ": TF" << n << "\r\n  Caption = 'form " << n << "'\r\n"
        << (i == 3 ? "  Left = 'sem fim\r\n" : "") << "end\r\n";
  }
  auto host = std::make_unique<DiskHost>(std::make_shared<RealFileSystem>());
  std::vector<std::string> errors;
  host->ListUnitsOnly();
  host->LoadProject({folder.string()}, &errors);
  ASSERT_EQ(host->ListedCount(), 7);
  EXPECT_EQ(host->ModuleCount(), 0);

  auto open = [&](int index) {
    std::vector<std::string> unit_errors;
    const std::shared_ptr<DiskModule> module = host->OpenListed(index, &unit_errors);
    std::string seen = unit_errors.empty() ? "" : "error " + unit_errors.front();
    if (module != nullptr) {
      seen = module->Form()->Root()->Name() + " " +
             module->Form()->Root()->GetPropValue("Caption").AsString();
      host->CloseModule(*module);
    }
    // The time the tools take over a form, in which the workers read the next ones.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return seen;
  };
  std::vector<std::string> in_order;
  for (int i = 0; i < 7; ++i) in_order.push_back(open(i));
  for (int i = 0; i < 7; ++i) {
    if (i == 3) {
      EXPECT_EQ(in_order[i].rfind("error " + (folder / "u3.dfm").string() + ":3:", 0), 0u)
          << in_order[i];
    } else {
      EXPECT_EQ(in_order[i], "F" + std::to_string(i) + " form " + std::to_string(i));
    }
  }
  // Back and forth, and again from the start: every unit is still its own.
  for (int i : {6, 2, 5, 0, 3, 4, 1, 0, 1, 2}) EXPECT_EQ(open(i), in_order[i]) << i;
  EXPECT_EQ(host->ModuleCount(), 0);
  host.reset();
  std::filesystem::remove_all(folder);
}
