#include "ide/dpr_parser.h"

#include <gtest/gtest.h>

#include "ide/file_system.h"
#include "ide/memory_file_system.h"

namespace {

const std::string kProjects = std::string(ZORI_TEST_DATA_DIR) + "/projects";

std::string DprError(const std::string& text) {
  ide::MemoryFileSystem fs;
  fs.Create("p/Bad.dpr", text);
  ide::DprProject project;
  std::string err;
  EXPECT_FALSE(ide::ReadDpr(fs, "p/Bad.dpr", &project, &err));
  return err;
}

}  // namespace

TEST(DprReaderTest, ProjectListsItsUnitsFormsAndTheFilesThatAreMissing) {
  ide::RealFileSystem disk;
  ide::DprProject project;
  std::string err;
  ASSERT_TRUE(ide::ReadDpr(disk, kProjects + "/sales/Sales.dpr", &project, &err)) << err;
  EXPECT_EQ(project.kind, "program");
  EXPECT_EQ(project.name, "Sales");
  ASSERT_EQ(project.units.size(), 6u);

  std::vector<std::string> seen;
  for (const ide::DprUnit& unit : project.units)
    seen.push_back(unit.name + "|" + unit.in_path + "|" + unit.form_name + "|" + unit.form_class +
                   "|" + std::to_string(unit.line));
  EXPECT_EQ(seen, (std::vector<std::string>{"Forms||||7", "Main|Main.pas|frmMain||8",
                                            "Customers|forms\\Customers.pas|frmCustomers||10",
                                            "DataMod|DATAMOD.PAS|dmSales|TDataModule|11",
                                            "Reports|Reports.pas|frmReports||12",
                                            "Utils|..\\shared\\Utils.pas|||13"}));
  // Paths are found from the project's folder, whatever the letter case on disk.
  EXPECT_EQ(project.units[0].path, "");
  EXPECT_EQ(project.units[1].path, kProjects + "/sales/Main.pas");
  EXPECT_EQ(project.units[2].path, kProjects + "/sales/Forms/Customers.pas");
  EXPECT_EQ(project.units[3].path, kProjects + "/sales/DataMod.pas");
  EXPECT_EQ(project.units[5].path, kProjects + "/shared/Utils.pas");
  EXPECT_TRUE(project.units[5].exists);

  auto missing = project.MissingUnits();
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0]->name, "Reports");
  EXPECT_EQ(missing[0]->path, kProjects + "/sales/Reports.pas");
  EXPECT_FALSE(missing[0]->exists);
}

TEST(DprReaderTest, LibrariesPackagesAndProjectsWithoutUnitsRead) {
  ide::MemoryFileSystem fs;
  fs.Create("p/Tools.dpr",
            "library Tools; // helpers\r\nuses SysUtils, Calc in 'Calc.pas';\r\n"
            "exports Add;\r\nbegin\r\nend.\r\n");
  fs.Create("p/Calc.pas", "unit Calc; interface implementation end.");
  fs.Create("p/Bare.dpr", "program Bare;\n{$APPTYPE CONSOLE}\nbegin\n  Writeln('uses');\nend.\n");
  fs.Create("p/Pkg.dpk", "package Pkg;\nrequires rtl, vcl;\ncontains\n  Reg in 'Reg.pas';\nend.\n");
  ide::DprProject project;
  std::string err;
  ASSERT_TRUE(ide::ReadDpr(fs, "p/Tools.dpr", &project, &err)) << err;
  EXPECT_EQ(project.kind, "library");
  ASSERT_EQ(project.units.size(), 2u);
  EXPECT_EQ(project.units[1].path, "p/Calc.pas");
  EXPECT_TRUE(project.units[1].exists);
  EXPECT_TRUE(project.MissingUnits().empty());
  ASSERT_TRUE(ide::ReadDpr(fs, "p/Bare.dpr", &project, &err)) << err;
  EXPECT_TRUE(project.units.empty());
  ASSERT_TRUE(ide::ReadDpr(fs, "p/Pkg.dpk", &project, &err)) << err;
  EXPECT_EQ(project.kind, "package");
  ASSERT_EQ(project.units.size(), 1u);
  EXPECT_EQ(project.units[0].name, "Reg");
  EXPECT_EQ(project.MissingUnits().size(), 1u);
}

TEST(DprReaderTest, MalformedProjectsNameFileLineAndColumn) {
  EXPECT_EQ(DprError("unit Main;"),
            "p/Bad.dpr:1:1: expected 'program', 'library' or 'package', found 'unit'");
  EXPECT_EQ(DprError("program Sales\r\nuses Forms;"), "p/Bad.dpr:2:1: expected ';', found 'uses'");
  EXPECT_EQ(DprError("program Sales;\r\nuses\r\n  Forms,\r\n  Main in Main.pas;\r\n"),
            "p/Bad.dpr:4:11: expected file name in quotes, found 'Main'");
  EXPECT_EQ(DprError("program Sales;\r\nuses Forms, Main in 'Main.pas\r\n"),
            "p/Bad.dpr:2:30: expected closing quote, found end of line");
  EXPECT_EQ(DprError("program Sales;\r\nuses Forms, Main in 'Main'#;\r\n"),
            "p/Bad.dpr:2:28: expected character code after '#', found ';'");
  EXPECT_EQ(DprError("program Sales;\r\nuses Forms { frmMain\r\n"),
            "p/Bad.dpr:3:1: expected '}' closing the comment, found end of file");
  EXPECT_EQ(DprError("program Sales;\r\nuses Forms (* x\r\n"),
            "p/Bad.dpr:3:1: expected '*)' closing the comment, found end of file");
  EXPECT_EQ(DprError("program Sales;\r\nuses Forms Main;\r\n"),
            "p/Bad.dpr:2:12: expected ',' or ';', found 'Main'");
  EXPECT_EQ(DprError("program Vendas;\r\nuses Formulário;\r\n"),
            "p/Bad.dpr:2:12: expected ',' or ';', found 'á'");
  ide::MemoryFileSystem fs;
  ide::DprProject project;
  std::string err;
  EXPECT_FALSE(ide::ReadDpr(fs, "p/None.dpr", &project, &err));
  EXPECT_EQ(err, "p/None.dpr: No such file or directory");
}
