#include "ide/dsk_file.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "ide/file_system.h"
#include "ide/memory_file_system.h"

namespace {

std::string SalesDesktop() {
  ide::RealFileSystem disk;
  std::string bytes, err;
  EXPECT_TRUE(
      disk.ReadFile(std::string(ZORI_TEST_DATA_DIR) + "/projects/sales/Sales.dsk", &bytes, &err))
      << err;
  return bytes;
}

std::unique_ptr<ide::DskFile> LoadSales(ide::MemoryFileSystem& fs) {
  fs.Create("p/Sales.dsk", SalesDesktop());
  std::string err;
  auto desktop = ide::DskFile::Load(fs, "p/Sales.dsk", &err);
  EXPECT_TRUE(desktop) << err;
  return desktop;
}

using ide::testing::Replaced;

}  // namespace

TEST(DskFileTest, IdeWindowsComeFromTheirSections) {
  ide::MemoryFileSystem fs;
  auto desktop = LoadSales(fs);
  ASSERT_TRUE(desktop);
  std::vector<std::string> windows;
  for (const ide::DskWindow& w : desktop->Windows())
    windows.push_back(w.section + " " + std::to_string(w.left) + "," + std::to_string(w.top) + " " +
                      std::to_string(w.width) + "x" + std::to_string(w.height) +
                      (w.visible ? " visible" : " hidden") + (w.docked ? " docked" : "") +
                      " state " + std::to_string(w.state));
  EXPECT_EQ(windows, (std::vector<std::string>{
                         "EditWindow0 258,130 766x540 visible state 0",
                         "Main Window 0,0 1024x105 visible state 2",
                         "ProjectManager 369,374 438x303 hidden state 0",
                         "ObjectInspector 0,108 256x592 visible state 0",
                         "CodeExplorer@EditWindow0 0,12 140x489 visible docked state 0",
                         "MessageView@EditWindow0 12,0 758x0 hidden docked state 0"}));
  EXPECT_EQ(desktop->Value("propertyinspector", "SPLITPOS"), "108");
  EXPECT_EQ(desktop->Value("PropertyInspector", "SelectedItem"), "Caption");
  EXPECT_EQ(desktop->Value("Closed Files", "File_0"),
            "'C:\\Projetos\\Vendas\\Reports.pas',0,1,1,1,1,0,0");
  EXPECT_EQ(desktop->Value("PropertyInspector", "Nothing"), std::nullopt);
  EXPECT_EQ(desktop->Value("Nowhere", "Left"), std::nullopt);
  EXPECT_EQ(desktop->Integer("Watches", "Count", -1), 0);
  EXPECT_EQ(desktop->Integer("PropertyInspector", "ArrangeBy", -1), -1);
}

TEST(DskFileTest, WritingBackChangesOnlyTheKeysSet) {
  ide::MemoryFileSystem fs;
  auto desktop = LoadSales(fs);
  ASSERT_TRUE(desktop);
  std::string err;
  ASSERT_TRUE(desktop->Save(fs, "p/Copy.dsk", &err)) << err;
  EXPECT_EQ(fs.Contents("p/Copy.dsk"), SalesDesktop());

  ide::DskWindow inspector = desktop->Windows()[3];
  inspector.left = 12;
  inspector.height = 600;
  inspector.visible = true;  // unchanged
  desktop->SetWindow(inspector);
  desktop->SetValue("PropertyInspector", "ArrangeBy", "Category");
  desktop->SetValue("ObjectInspector", "Docked", "0");  // a new key
  desktop->SetValue("ZORI", "Layout", "Perfeito");      // a new section
  std::string expected = SalesDesktop();
  expected = Replaced(expected, "Left=0\r\nTop=108\r\nWidth=256\r\nHeight=592\r\n",
                      "Left=12\r\nTop=108\r\nWidth=256\r\nHeight=600\r\n");
  expected = Replaced(expected, "ArrangeBy=Name", "ArrangeBy=Category");
  expected = Replaced(expected, "LRDockWidth=13\r\nDockable=1\r\n",
                      "LRDockWidth=13\r\nDockable=1\r\nDocked=0\r\n");
  expected += "\r\n[ZORI]\r\nLayout=Perfeito\r\n";
  ASSERT_TRUE(desktop->Save(fs, "p/Sales.dsk", &err)) << err;
  EXPECT_EQ(fs.Contents("p/Sales.dsk"), expected);

  // A window section without State or Visible does not gain them for a normal state.
  std::unique_ptr<ide::DskFile> bare =
      ide::DskFile::Parse("b.dsk", "[Tool]\nLeft=1\nTop=2\nWidth=3\nHeight=4", &err);
  ASSERT_TRUE(bare) << err;
  ide::DskWindow tool = bare->Windows()[0];
  tool.top = 20;
  bare->SetWindow(tool);
  std::string bytes;
  ASSERT_TRUE(bare->Write(&bytes, &err));
  EXPECT_EQ(bytes, "[Tool]\nLeft=1\nTop=20\nWidth=3\nHeight=4");
  tool.state = 2;
  bare->SetWindow(tool);
  ASSERT_TRUE(bare->Write(&bytes, &err));
  EXPECT_EQ(bytes, "[Tool]\nLeft=1\nTop=20\nWidth=3\nHeight=4\nState=2\n");
}

TEST(DskFileTest, EncodingIsKeptAndBadInputIsReported) {
  std::string err;
  auto desktop =
      ide::DskFile::Parse("a.dsk", "[Modules]\r\nModule0=C:\\Relat\xf3rios\\Main.pas\r\n", &err);
  ASSERT_TRUE(desktop) << err;
  EXPECT_EQ(desktop->Value("Modules", "Module0"), "C:\\Relatórios\\Main.pas");
  desktop->SetValue("Modules", "Module1", "C:\\Relatórios\\Cadastro.pas");
  std::string bytes;
  ASSERT_TRUE(desktop->Write(&bytes, &err)) << err;
  EXPECT_EQ(bytes,
            "[Modules]\r\nModule0=C:\\Relat\xf3rios\\Main.pas\r\n"
            "Module1=C:\\Relat\xf3rios\\Cadastro.pas\r\n");
  desktop->SetValue("Modules", "Module2", "C:\\日本\\A.pas");
  EXPECT_FALSE(desktop->Write(&bytes, &err));
  EXPECT_EQ(err, "a.dsk: line 4: the character U+65E5 '日' cannot be written in Windows-1252");

  // Lines left alone keep their bytes, even bytes that are not text in the file's encoding.
  const std::string odd = "\xEF\xBB\xBF[Modules]\nModule0=C:\\\xC3(\\A.pas\n";
  auto bom = ide::DskFile::Parse("c.dsk", odd, &err);
  ASSERT_TRUE(bom) << err;
  bom->SetValue("Modules", "Count", "1");
  ASSERT_TRUE(bom->Write(&bytes, &err)) << err;
  EXPECT_EQ(bytes, odd + "Count=1\n");

  EXPECT_FALSE(
      ide::DskFile::Parse("b.dsk", "[Main Window]\r\nLeft=0\r\n[ObjectInspector\r\n", &err));
  EXPECT_EQ(err, "b.dsk:3:17: expected ']' closing the section name, found end of line");
}
