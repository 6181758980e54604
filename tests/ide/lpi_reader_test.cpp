#include "ide/lpi_reader.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/disk_module.h"
#include "ide/memory_file_system.h"

namespace {

using ide::testing::HostFixture;

// A project as the Lazarus IDE writes it: the program, two forms, a unit that is only open
// in the editor, and a unit whose file is gone.
const char* kLpi = R"(<?xml version="1.0" encoding="UTF-8"?>
<CONFIG>
  <ProjectOptions>
    <Version Value="12"/>
    <General>
      <Title Value="Agenda"/>
    </General>
    <Units>
      <Unit>
        <Filename Value="agenda.lpr"/>
        <IsPartOfProject Value="True"/>
      </Unit>
      <Unit>
        <Filename Value="umain.pas"/>
        <IsPartOfProject Value="True"/>
        <ComponentName Value="frmMain"/>
        <HasResources Value="True"/>
        <ResourceBaseClass Value="Form"/>
      </Unit>
      <Unit>
        <Filename Value="forms\udados.pas"/>
        <IsPartOfProject Value="True"/>
        <ComponentName Value="dmDados"/>
        <ResourceBaseClass Value="DataModule"/>
      </Unit>
      <Unit>
        <Filename Value="../rascunho.pas"/>
      </Unit>
      <Unit>
        <Filename Value="urelatorio.pas"/>
        <IsPartOfProject Value="True"/>
      </Unit>
    </Units>
  </ProjectOptions>
</CONFIG>
)";

std::string Unit(const std::string& name, const std::string& form_class) {
  return "unit " + name + ";\n\n{$mode objfpc}{$H+}\n\ninterface\n\nuses\n  Classes, Forms;\n\n" +
         "type\n  " + form_class + " = class(TForm)\n  end;\n\nimplementation\n\n{$R *.lfm}\n\n" +
         "end.\n";
}

void AddAgenda(ide::MemoryFileSystem& files) {
  files.Create("proj/agenda.lpi", kLpi);
  files.Create("proj/agenda.lpr",
               "program agenda;\n\n{$mode objfpc}{$H+}\n\nuses\n  {$IFDEF UNIX}\n  cthreads,\n"
               "  {$ENDIF}\n  Interfaces, // this includes the LCL widgetset\n  Forms, umain\n"
               "  { you can add units after this };\n\n{$R *.res}\n\nbegin\n"
               "  Application.Initialize;\n  Application.CreateForm(TfrmMain, frmMain);\n"
               "  Application.Run;\nend.\n");
  files.Create("proj/umain.pas", Unit("umain", "TfrmMain"));
  files.Create("proj/umain.lfm",
               "object frmMain: TfrmMain\n  Left = 250\n  Height = 240\n  Top = 120\n"
               "  Width = 320\n  Caption = 'Agenda'\n  LCLVersion = '2.2.6.0'\n"
               "  object edtNome: TEdit\n    Left = 8\n    Height = 23\n    Top = 8\n"
               "    Width = 200\n    TabOrder = 0\n  end\nend\n");
  files.Create("proj/forms/uDados.pas", Unit("udados", "TdmDados"));
}

}  // namespace

TEST(LpiReaderTest, ProjectListsItsUnitsInAndOutOfTheProjectAndTheMissingFiles) {
  ide::MemoryFileSystem files;
  AddAgenda(files);
  ide::LpiProject project;
  std::string err;
  ASSERT_TRUE(ide::ReadLpi(files, "proj/agenda.lpi", &project, &err)) << err;
  EXPECT_EQ(project.title, "Agenda");
  std::vector<std::string> seen;
  for (const ide::LpiUnit& unit : project.units) {
    seen.push_back(unit.path + "|" + unit.component_name + "|" + unit.resource_base_class + "|" +
                   (unit.part_of_project ? "in" : "out") + "|" + (unit.exists ? "" : "missing|") +
                   std::to_string(unit.line));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "proj/agenda.lpr|||in|10", "proj/umain.pas|frmMain|Form|in|14",
                      "proj/forms/uDados.pas|dmDados|DataModule|in|21",
                      "rascunho.pas|||out|missing|27", "proj/urelatorio.pas|||in|missing|30"}));
  ASSERT_NE(project.MainUnit(), nullptr);
  EXPECT_EQ(project.MainUnit()->file_name, "agenda.lpr");
  ASSERT_EQ(project.MissingUnits().size(), 1u);
  EXPECT_EQ(project.MissingUnits()[0]->file_name, "urelatorio.pas");

  // The list an older IDE wrote: numbered elements under a count.
  files.Create(
      "old/velho.lpi",
      "<?xml version=\"1.0\"?>\n<CONFIG>\n  <ProjectOptions>\n    <Units Count=\"2\">\n"
      "      <Unit0>\n        <Filename Value=\"velho.lpr\"/>\n"
      "        <IsPartOfProject Value=\"True\"/>\n      </Unit0>\n      <Unit1>\n"
      "        <Filename Value=\"unit1.pas\"/>\n        <IsPartOfProject Value=\"True\"/>\n"
      "        <ComponentName Value=\"Form1\"/>\n      </Unit1>\n    </Units>\n"
      "  </ProjectOptions>\n</CONFIG>\n");
  ASSERT_TRUE(ide::ReadLpi(files, "old/velho.lpi", &project, &err)) << err;
  ASSERT_EQ(project.units.size(), 2u);
  EXPECT_EQ(project.units[1].component_name, "Form1");

  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"<CONFIG>\n  <ProjectOptions>\n</CONFIG>\n",
       "bad.lpi:3:3: expected a well-formed XML document, found Start-end tags mismatch"},
      {"<?xml version=\"1.0\"?>\n<Project/>\n",
       "bad.lpi:2:2: expected a <CONFIG> element, found <Project>"},
      {"<CONFIG>\n  <Package/>\n</CONFIG>\n",
       "bad.lpi:1:2: expected a Lazarus project (<ProjectOptions>), found none"},
      {"<CONFIG><ProjectOptions><Units>\n<Unit><IsPartOfProject Value=\"True\"/></Unit>"
       "</Units></ProjectOptions></CONFIG>",
       "bad.lpi:2:2: expected the unit's Filename, found none"},
  };
  for (const Case& c : cases) {
    files.Create("bad.lpi", c.text);
    EXPECT_FALSE(ide::ReadLpi(files, "bad.lpi", &project, &err));
    EXPECT_EQ(err, c.message);
  }
}

TEST(LpiReaderTest, HostOpensTheProjectsUnitsWithTheirLfmForms) {
  HostFixture f("Terceiros");
  AddAgenda(*f.files);
  EXPECT_FALSE(f.Load({"proj/agenda.lpi"}));
  EXPECT_TRUE(f.host->Lazarus());
  // The unit only open in the editor is left out; the program is the project, not a unit.
  ASSERT_EQ(f.host->ModuleCount(), 2);
  EXPECT_EQ(f.host->Module(0)->GetFileName(), "proj/umain.pas");
  ASSERT_NE(f.host->Module(0)->Form(), nullptr);
  EXPECT_EQ(f.host->Module(1)->GetFileName(), "proj/forms/uDados.pas");
  EXPECT_EQ(f.errors, (std::vector<std::string>{
                          "proj/agenda.lpi:21: expected the form file of dmDados beside "
                          "proj/forms/uDados.pas, found no such file",
                          "proj/agenda.lpi:30: expected the unit file urelatorio.pas, found no "
                          "such file"}));

  // The program alone is read like a Delphi program: its remark names no form.
  HostFixture lpr("Terceiros");
  AddAgenda(*lpr.files);
  EXPECT_TRUE(lpr.Load({"proj/agenda.lpr"})) << lpr.errors.front();
  ASSERT_EQ(lpr.host->ModuleCount(), 1);
  EXPECT_NE(lpr.host->Module(0)->Form(), nullptr);
}

TEST(LpiReaderTest, FolderOpensItsLpiAndSaysWhichProjectItChoseBesideADelphiOne) {
  ide::MemoryFileSystem files;
  AddAgenda(files);
  std::string note;
  EXPECT_EQ(ide::DiskHost::ChooseProjectFile(files, "proj", &note), "proj/agenda.lpi");
  EXPECT_EQ(note, "");
  EXPECT_TRUE(ide::DiskHost::IsLazarusProject(files, {"proj"}));
  files.Create("lone/agenda.lpr", files.Contents("proj/agenda.lpr"));
  EXPECT_EQ(ide::DiskHost::ChooseProjectFile(files, "lone", &note), "lone/agenda.lpr");

  files.Create("lone/Agenda.dpr", "program Agenda;\nuses\n  Forms;\nbegin\nend.\n");
  EXPECT_EQ(ide::DiskHost::ChooseProjectFile(files, "lone", &note), "lone/Agenda.dpr");
  EXPECT_EQ(note,
            "lone: holds a Delphi project (Agenda.dpr) and a Lazarus project (agenda.lpr); "
            "opened Agenda.dpr (name the other file to open it)");
  EXPECT_FALSE(ide::DiskHost::IsLazarusProject(files, {"lone"}));
  EXPECT_TRUE(ide::DiskHost::IsLazarusProject(files, {"proj/umain.pas"}));
}
