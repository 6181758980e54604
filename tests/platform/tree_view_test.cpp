#include "platform/tree_view.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/forms.h"

using namespace platform;

namespace {

// Texts of every node in tree order, indented by level.
std::vector<std::string> Walk(const TTreeNodes& nodes) {
  std::vector<std::string> texts;
  for (TTreeNode* n = nodes.GetFirstNode(); n != nullptr; n = n->GetNext()) {
    texts.push_back(std::string(n->Level() * 2, ' ') + n->Text());
  }
  return texts;
}

void ExpectConsistent(const TTreeView& tv) {
  std::string err;
  EXPECT_TRUE(tv.Items().CheckTree(&err)) << err;
}

}  // namespace

TEST(TreeViewTest, NodesComeInTreeOrderWhereverTheyWereAdded) {
  TForm form;
  auto* tv = TComponent::Create<TTreeView>(form);
  TTreeNodes& items = tv->Items();
  TTreeNode* f1 = items.Add(nullptr, "F_ZORI_TabOrder");
  TTreeNode* back = items.AddChild(f1, "pnl_Back");
  items.AddChild(back, "tv_tab_order_correto");
  items.AddChildFirst(back, "chk_n_ActiveControl");
  TTreeNode* down = items.AddChild(f1, "pnl_down");
  items.Insert(down, "pnl_Middle");
  // Another form's node goes in front of the roots added before, as the lister does.
  TTreeNode* f0 = items.AddFirst(f1, "F_Other");
  items.AddChild(f0, "pnl_Back");
  EXPECT_EQ(Walk(items),
            (std::vector<std::string>{"F_Other", "  pnl_Back", "F_ZORI_TabOrder", "  pnl_Back",
                                      "    chk_n_ActiveControl", "    tv_tab_order_correto",
                                      "  pnl_Middle", "  pnl_down"}));
  EXPECT_EQ(items.Count(), 8);
  EXPECT_EQ(items[3], back);
  EXPECT_EQ(back->AbsoluteIndex(), 3);
  EXPECT_EQ(back->Parent(), f1);
  EXPECT_EQ(f1->Count(), 3);
  EXPECT_EQ(f1->Item(2), down);
  EXPECT_EQ(down->Index(), 2);
  EXPECT_EQ(down->GetPrevSibling()->Text(), "pnl_Middle");
  EXPECT_EQ(items.RootCount(), 2);
  EXPECT_THROW(items.Item(8), std::out_of_range);
  ExpectConsistent(*tv);
}

TEST(TreeViewTest, SelectionFollowsDeletionAndReportsChanges) {
  TForm form;
  auto* tv = TComponent::Create<TTreeView>(form);
  int data = 42;
  TTreeNode* root = tv->Items().Add(nullptr, "&File");
  TTreeNode* save = tv->Items().AddChildObject(root, "&Save", &data);
  tv->Items().AddChild(save, "Deep");
  std::vector<std::string> changes;
  tv->OnChange = [&](TObject*, TTreeNode* node) {
    changes.push_back(node != nullptr ? node->Text() : "(none)");
  };
  save->SetSelected(true);
  EXPECT_TRUE(save->Selected());
  EXPECT_EQ(*static_cast<int*>(tv->Selected()->Data()), 42);
  tv->SetSelected(save);  // no change, no event
  EXPECT_EQ(changes, (std::vector<std::string>{"&Save"}));

  // Expanding the whole tree opens every node with children; MakeVisible opens ancestors.
  tv->FullExpand();
  EXPECT_TRUE(root->Expanded());
  EXPECT_TRUE(save->Expanded());
  tv->FullCollapse();
  save->GetFirstChild()->MakeVisible();
  EXPECT_TRUE(root->Expanded());

  // Deleting a subtree that holds the selection leaves nothing selected.
  root->Delete();
  EXPECT_EQ(tv->Selected(), nullptr);
  EXPECT_EQ(tv->Items().Count(), 0);
  ExpectConsistent(*tv);

  TTreeView other;
  TTreeNode* foreign = other.Items().Add(nullptr, "x");
  EXPECT_THROW(tv->SetSelected(foreign), EInvalidOperation);
}
