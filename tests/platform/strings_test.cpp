#include "platform/strings.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(StringsTest, TextUsesCrLfAndReadsAnyLineBreak) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "four");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  list.SetText("\r\n\r\n");  // two empty lines
  EXPECT_EQ(list.Count(), 2);
  EXPECT_THROW(list.Get(2), EStringListError);
  EXPECT_THROW(list.Insert(5, "x"), EStringListError);
  try {
    list.Delete(-1);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
  }
}

TEST(StringsTest, EditingShiftsItemsAndFindsThemIgnoringCase) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TStrings&) { ++changes; };
  list.Add("Alpha");
  list.Add("Gamma");
  list.Insert(1, "Beta");
  list.Add("ÉCOLE");
  EXPECT_EQ(list.CommaText(), "Alpha,Beta,Gamma,ÉCOLE");
  EXPECT_EQ(list.IndexOf("gamma"), 2);
  EXPECT_EQ(list.IndexOf("école"), 3);
  EXPECT_EQ(list.IndexOf("Delta"), -1);
  list.Delete(0);
  EXPECT_EQ(list[0], "Beta");
  list.Exchange(0, 1);
  EXPECT_EQ(list[0], "Gamma");
  EXPECT_EQ(changes, 6);
  // A batch of changes reports once.
  list.BeginUpdate();
  list.Clear();
  list.Add("x");
  list.EndUpdate();
  EXPECT_EQ(changes, 7);
  list.Add("two words");
  list.Add("say \"hi\"");
  EXPECT_EQ(list.CommaText(), "x,\"two words\",\"say \"\"hi\"\"\"");
}

TEST(StringsTest, SortedListsKeepOrderAndHandleDuplicatesAsAsked) {
  TStringList list;
  list.Add("pnl_down");
  list.Add("Edit1");
  list.Add("btn_Ok");
  int object_tag = 5;
  TObject* tag = reinterpret_cast<TObject*>(&object_tag);
  list.PutObject(0, tag);
  list.SetSorted(true);
  EXPECT_EQ(list.Text(), "btn_Ok\r\nEdit1\r\npnl_down\r\n");
  EXPECT_EQ(list.GetObject(2), tag);  // objects move with their items
  EXPECT_EQ(list.Add("CHK_a"), 1);
  EXPECT_EQ(list.Add("edit1"), 2);  // ignored duplicate: the index of the one there
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("EDIT1"), EStringListError);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add("EDIT1");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_THROW(list.Insert(0, "a"), EStringListError);
  int index = -1;
  EXPECT_FALSE(list.Find("Zeta", index));
  EXPECT_EQ(index, 5);
  EXPECT_EQ(list.IndexOf("pnl_DOWN"), 4);
}

TEST(StringsTest, NameValueLinesAndTheLocaleOrderOfKeys) {
  TStringList list;
  list.Add("Button1=btn_Button1");
  list.Add("Edit1=edt_Edit1");
  list.Add("plain");
  EXPECT_EQ(list.Names(1), "Edit1");
  EXPECT_EQ(list.ValueFromIndex(0), "btn_Button1");
  EXPECT_EQ(list.Values("EDIT1"), "edt_Edit1");
  EXPECT_EQ(list.Values("plain"), "");
  list.SetValue("Edit1", "edt_Nome");
  list.SetValue("Memo1", "mmo_Memo1");
  list.SetValue("Button1", "");  // an empty value removes the line
  EXPECT_EQ(list.Text(), "Edit1=edt_Nome\r\nplain\r\nMemo1=mmo_Memo1\r\n");

  // '#' sorts before digits, digits before letters, letter case aside.
  EXPECT_LT(CompareTextLocale("&#######10", "&######100"), 0);
  EXPECT_LT(CompareTextLocale("9", "a"), 0);
  EXPECT_EQ(CompareTextLocale("Edit", "EDIT"), 0);
  EXPECT_LT(CompareTextLocale("edit", "Edits"), 0);
  EXPECT_TRUE(SameTextUnicode("AÇÃO", "ação"));
  EXPECT_FALSE(SameTextUnicode("acao", "ação"));
}
