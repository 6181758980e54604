#include "platform/registry.h"

#include <gtest/gtest.h>

#include "platform/application.h"

using namespace platform;

TEST(RegistryTest, ValueNamesOfAKeyTheHostFilled) {
  ResetApplication();
  RegistryStore& store = Application().Registry();
  const char* kKnown = "\\Software\\Borland\\Delphi\\6.0\\Known Packages";
  store.SetString(HKEY_CURRENT_USER, kKnown, "C:\\Pkgs\\ZORIIDEx_1.bpl", "ROVUVUVoravud 1.4");
  store.SetString(HKEY_CURRENT_USER, kKnown, "$(DELPHI)\\Bin\\dclstd60.bpl", "Standard");
  store.SetInteger(HKEY_CURRENT_USER, "Software\\Other", "Count", 2);

  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
  // Letter case of key names does not matter; a missing key is not made without asking.
  EXPECT_FALSE(reg.OpenKey("\\software\\borland\\delphi\\6.0\\Missing", false));
  EXPECT_FALSE(reg.KeyExists("\\Software\\Borland\\Delphi\\6.0\\Missing"));
  ASSERT_TRUE(reg.OpenKey("\\software\\borland\\delphi\\6.0\\known packages", false));
  TStringList names;
  reg.GetValueNames(names);
  EXPECT_EQ(names.Text(), "C:\\Pkgs\\ZORIIDEx_1.bpl\r\n$(DELPHI)\\Bin\\dclstd60.bpl\r\n");
  EXPECT_EQ(reg.ReadString("c:\\pkgs\\zoriidex_1.bpl"), "ROVUVUVoravud 1.4");
  EXPECT_EQ(reg.ReadString("absent"), "");
  EXPECT_THROW(reg.ReadInteger("absent"), ERegistryException);
  reg.CloseKey();
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);

  // Relative paths continue from the open key; writing makes keys when asked to.
  ASSERT_TRUE(reg.OpenKey("\\Software", false));
  ASSERT_TRUE(reg.OpenKey("Other", false));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Other");
  EXPECT_EQ(reg.ReadInteger("count"), 2);
  EXPECT_THROW(reg.ReadString("Count"), ERegistryException);
  ASSERT_TRUE(reg.OpenKey("New\\Deeper", true));
  reg.WriteString("Name", "value");
  EXPECT_EQ(store.Find(HKEY_CURRENT_USER, "Software\\Other\\New\\Deeper")->values.size(), 1u);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg.KeyExists("\\Software\\Other"));
  ResetApplication();
}

TEST(RegistryTest, KeysAndValuesCanBeListedAndRemoved) {
  RegistryStore store;
  store.SetString(HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\6.0", "RootDir", "C:\\D6");
  store.SetString(HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\5.0", "RootDir", "C:\\D5");
  store.SetString(HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\6.0", "rootdir", "D:\\D6");
  TRegistry reg(&store);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Borland\\Delphi", false));
  TStringList names;
  reg.GetKeyNames(names);
  EXPECT_EQ(names.CommaText(), "5.0,6.0");
  ASSERT_TRUE(reg.OpenKey("6.0", false));
  reg.GetValueNames(names);
  EXPECT_EQ(names.CommaText(), "RootDir");  // rewritten in place, first spelling kept
  EXPECT_EQ(reg.ReadString("RootDir"), "D:\\D6");
  EXPECT_TRUE(reg.DeleteValue("ROOTDIR"));
  EXPECT_FALSE(reg.ValueExists("RootDir"));
  EXPECT_FALSE(reg.DeleteValue("RootDir"));
  EXPECT_TRUE(store.DeleteKey(HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\5.0"));
  EXPECT_FALSE(store.DeleteKey(HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\5.0"));
  EXPECT_FALSE(reg.KeyExists("\\Software\\Borland\\Delphi\\5.0"));
}
