// The tree view: nodes with texts, data and children, owned by the tree's node list.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/component.h"

namespace platform {

class TTreeNodes;
class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  // What the program hangs on the node; the node never frees it.
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t v) { image_index_ = v; }
  int32_t SelectedIndex() const { return selected_index_; }
  void SetSelectedIndex(int32_t v) { selected_index_ = v; }

  TTreeNode* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(children_.size()); }
  // The child at index; std::out_of_range outside 0..Count-1.
  TTreeNode* Item(int index) const { return children_.at(index).get(); }
  TTreeNode* operator[](int index) const { return Item(index); }
  bool HasChildren() const { return !children_.empty(); }
  // Position among its siblings.
  int Index() const;
  // 0 for a top-level node.
  int Level() const;
  // Position in the whole tree in tree order.
  int AbsoluteIndex() const;
  TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in tree order (depth first: children before the next sibling), or nullptr.
  TTreeNode* GetNext() const;

  bool Expanded() const { return expanded_; }
  // Opens the node (and with recursive every node below it).
  void Expand(bool recursive);
  void Collapse(bool recursive);
  // Opens the node's ancestors so it can be seen.
  void MakeVisible();
  bool Selected() const;
  void SetSelected(bool selected);
  // Frees the node and its subtree.
  void Delete();
  TTreeNodes& Owner() const { return *owner_; }

 private:
  friend class TTreeNodes;
  explicit TTreeNode(TTreeNodes* owner) : owner_(owner) {}
  std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;

  TTreeNodes* owner_;
  TTreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  std::string text_;
  void* data_ = nullptr;
  int32_t image_index_ = -1;
  int32_t selected_index_ = -1;
  bool expanded_ = false;
};

// The nodes of one tree view, in tree order.
class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView* view) : view_(view) {}
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;
  ~TTreeNodes();

  // Every node of the tree.
  int Count() const;
  // The node at that position in tree order; std::out_of_range outside 0..Count-1.
  TTreeNode* Item(int index) const;
  TTreeNode* operator[](int index) const { return Item(index); }
  TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
  int RootCount() const { return static_cast<int>(roots_.size()); }

  // A node after the last sibling of sibling (top level when sibling is nullptr).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
  // A node before the first sibling of sibling (top level when sibling is nullptr).
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
  // A node as the last (or first) child of parent (top level when parent is nullptr).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  // A node just before sibling (at the end of the top level when sibling is nullptr).
  TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();
  TCustomTreeView* Owner() const { return view_; }

  // Parent links, owner links and selection inside the tree; fills err.
  bool CheckTree(std::string* err) const;

 private:
  friend class TTreeNode;
  TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text);
  std::vector<std::unique_ptr<TTreeNode>>& ChildrenOf(TTreeNode* parent) {
    return parent != nullptr ? parent->children_ : roots_;
  }

  TCustomTreeView* view_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

class TCustomTreeView : public TWinControl {
 public:
  explicit TCustomTreeView(const TClassInfo* cls = nullptr);
  ~TCustomTreeView() override;

  TTreeNodes& Items() { return items_; }
  const TTreeNodes& Items() const { return items_; }
  TTreeNode* Selected() const { return selected_; }
  // Selects node (nullptr: none); a change runs OnChange with the new node.
  void SetSelected(TTreeNode* node);
  void FullExpand();
  void FullCollapse();

  std::function<void(TObject* sender, TTreeNode* node)> OnChange;

 private:
  friend class TTreeNodes;
  TTreeNodes items_{this};
  TTreeNode* selected_ = nullptr;
};

class TTreeView : public TCustomTreeView {
 public:
  explicit TTreeView(const TClassInfo* cls = nullptr);
};

}  // namespace platform
