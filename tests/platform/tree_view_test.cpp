#include "platform/tree_view.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/forms.h"

using namespace platform;

// Nodes in tree order are checked in the windows that list them (ListCompTest, TabOrderTest,
// CustMenuTest).
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
  std::string err;
  EXPECT_TRUE(tv->Items().CheckTree(&err)) << err;

  TTreeView other;
  TTreeNode* foreign = other.Items().Add(nullptr, "x");
  EXPECT_THROW(tv->SetSelected(foreign), EInvalidOperation);
}
