#include "ide/pas_form_class.h"

#include <gtest/gtest.h>

#include "ide/file_system.h"

namespace {

std::string MainUnit() {
  ide::RealFileSystem disk;
  std::string bytes, err;
  EXPECT_TRUE(
      disk.ReadFile(std::string(ZORI_TEST_DATA_DIR) + "/projects/sales/Main.pas", &bytes, &err))
      << err;
  return bytes;
}

}  // namespace

TEST(PasFormClassTest, FormClassAndItsComponentFieldsAreFound) {
  std::vector<ide::PasFormClass> classes;
  std::string err;
  ASSERT_TRUE(ide::FindFormClasses("Main.pas", MainUnit(), &classes, &err)) << err;
  ASSERT_EQ(classes.size(), 1u);
  const ide::PasFormClass& form = classes[0];
  EXPECT_EQ(form.name, "TfrmMain");
  EXPECT_EQ(form.ancestor, "TForm");
  EXPECT_EQ(form.line, 13u);
  std::vector<std::string> fields;
  for (const ide::PasField& f : form.fields)
    fields.push_back(f.name + ":" + f.type + "@" + std::to_string(f.line));
  // Only the designer's section: private fields are not components.
  EXPECT_EQ(fields,
            (std::vector<std::string>{"pnlTop:TPanel@14", "lblName:TLabel@15", "lblCity:TLabel@15",
                                      "edtName:TDBEdit@16", "btnOk:TBitBtn@18"}));
  EXPECT_EQ(form.FindField("EDTNAME")->name, "edtName");
  EXPECT_EQ(form.FindField("edtHidden"), nullptr);

  ASSERT_TRUE(ide::FindFormClasses("U.pas",
                                   "unit U; interface type\n"
                                   "  TBase = class(TForm) end;\n"
                                   "  TChild = class(TBase, IUnknown)\n    Grid: TDBGrid;\n  end;\n"
                                   "  TAlias = class(TChild);\n  TMeta = class of TForm;\n"
                                   "implementation\ntype TLocal = class(TForm) X: T; end;\nend.",
                                   &classes, &err))
      << err;
  ASSERT_EQ(classes.size(), 3u);
  EXPECT_EQ(classes[1].name + "(" + classes[1].ancestor + ")", "TChild(TBase)");
  EXPECT_EQ(classes[1].fields.size(), 1u);
  EXPECT_EQ(classes[2].name, "TAlias");
  EXPECT_TRUE(classes[2].fields.empty());
}

TEST(PasFormClassTest, RenamingAFieldTouchesTheDeclarationOnly) {
  // A field declared alone is renamed through the designer (FormRenameTest); here, one
  // sharing its declaration, and the renames refused.
  std::string text = MainUnit();
  std::string err;
  ASSERT_TRUE(ide::RenameFormField("Main.pas", &text, "TfrmMain", "lblCity", "lbl_Cidade", &err));
  EXPECT_NE(text.find("lblName, lbl_Cidade: TLabel;"), std::string::npos);

  EXPECT_FALSE(ide::RenameFormField("Main.pas", &text, "TfrmMain", "btnOk", "pnlTop", &err));
  EXPECT_EQ(err, "Main.pas: class TfrmMain already has a field pnlTop");
  EXPECT_FALSE(ide::RenameFormField("Main.pas", &text, "TfrmMain", "btnOk", "1btn", &err));
  EXPECT_EQ(err, "Main.pas: '1btn' is not a valid identifier");
  EXPECT_FALSE(ide::RenameFormField("Main.pas", &text, "TfrmMain", "FState", "FNew", &err));
  EXPECT_EQ(err, "Main.pas: class TfrmMain has no field FState");
  EXPECT_FALSE(ide::RenameFormField("Main.pas", &text, "TfrmOther", "btnOk", "b", &err));
  EXPECT_EQ(err, "Main.pas: no declaration of class TfrmOther");

  std::string broken = "unit U;\ninterface\ntype\n  TF = class(TForm) { unclosed\n";
  std::vector<ide::PasFormClass> classes;
  EXPECT_FALSE(ide::FindFormClasses("U.pas", broken, &classes, &err));
  EXPECT_EQ(err, "U.pas:5:1: expected '}' closing the comment, found end of file");
  EXPECT_FALSE(ide::RenameFormField("U.pas", &broken, "TF", "A", "B", &err));
}
