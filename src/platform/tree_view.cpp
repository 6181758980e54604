#include "platform/tree_view.h"

#include <algorithm>
#include <stdexcept>

#include "platform/exceptions.h"
#include "platform/forms.h"

namespace platform {

namespace {

bool Contains(const TTreeNode* subtree, const TTreeNode* node) {
  for (const TTreeNode* n = node; n != nullptr; n = n->Parent()) {
    if (n == subtree) return true;
  }
  return false;
}

}  // namespace

// --- TTreeNode ------------------------------------------------------------------------

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
  return owner_->ChildrenOf(parent_);
}

int TTreeNode::Index() const {
  const auto& siblings = Siblings();
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const {
  int index = 0;
  for (const TTreeNode* n = owner_->GetFirstNode(); n != nullptr; n = n->GetNext()) {
    if (n == this) return index;
    ++index;
  }
  return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& siblings = Siblings();
  const int index = Index();
  return index + 1 < static_cast<int>(siblings.size()) ? siblings[index + 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  const int index = Index();
  return index > 0 ? Siblings()[index - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!children_.empty()) return children_.front().get();
  for (const TTreeNode* n = this; n != nullptr; n = n->parent_) {
    if (TTreeNode* next = n->GetNextSibling()) return next;
  }
  return nullptr;
}

void TTreeNode::Expand(bool recursive) {
  if (!children_.empty()) expanded_ = true;
  if (!recursive) return;
  for (auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool recursive) {
  expanded_ = false;
  if (!recursive) return;
  for (auto& child : children_) child->Collapse(true);
}

void TTreeNode::MakeVisible() {
  for (TTreeNode* p = parent_; p != nullptr; p = p->parent_) p->expanded_ = true;
}

bool TTreeNode::Selected() const {
  return owner_->view_ != nullptr && owner_->view_->Selected() == this;
}

void TTreeNode::SetSelected(bool selected) {
  if (owner_->view_ == nullptr) return;
  if (selected) {
    owner_->view_->SetSelected(this);
  } else if (Selected()) {
    owner_->view_->SetSelected(nullptr);
  }
}

void TTreeNode::Delete() {
  owner_->Delete(this);
}

// --- TTreeNodes -----------------------------------------------------------------------

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const {
  int count = 0;
  for (const TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext()) ++count;
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  int i = 0;
  for (TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext()) {
    if (i++ == index) return n;
  }
  throw std::out_of_range("Tree node index out of range (" + std::to_string(index) + ")");
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text) {
  auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this));
  node->parent_ = parent;
  node->text_ = text;
  TTreeNode* raw = node.get();
  auto& list = ChildrenOf(parent);
  list.insert(list.begin() + index, std::move(node));
  return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  TTreeNode* parent = sibling != nullptr ? sibling->parent_ : nullptr;
  return InsertAt(parent, static_cast<int>(ChildrenOf(parent).size()), text);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data) {
  TTreeNode* node = Add(sibling, text);
  node->data_ = data;
  return node;
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
  return InsertAt(sibling != nullptr ? sibling->parent_ : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  return InsertAt(parent, static_cast<int>(ChildrenOf(parent).size()), text);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data) {
  TTreeNode* node = AddChild(parent, text);
  node->data_ = data;
  return node;
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
  return InsertAt(parent, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
  if (sibling == nullptr) return Add(nullptr, text);
  return InsertAt(sibling->parent_, sibling->Index(), text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node == nullptr) return;
  if (&node->Owner() != this) throw EInvalidOperation("Tree node belongs to another tree");
  if (view_ != nullptr && Contains(node, view_->selected_)) view_->selected_ = nullptr;
  auto& list = ChildrenOf(node->parent_);
  std::erase_if(list, [node](const auto& n) { return n.get() == node; });
}

void TTreeNodes::Clear() {
  if (view_ != nullptr) view_->selected_ = nullptr;
  roots_.clear();
}

bool TTreeNodes::CheckTree(std::string* err) const {
  std::function<bool(const TTreeNode*, const std::vector<std::unique_ptr<TTreeNode>>&)> check =
      [&](const TTreeNode* parent, const std::vector<std::unique_ptr<TTreeNode>>& children) {
        for (const auto& child : children) {
          if (child->parent_ != parent) {
            if (err != nullptr) *err = child->text_ + ": parent link broken";
            return false;
          }
          if (child->owner_ != this) {
            if (err != nullptr) *err = child->text_ + ": belongs to another tree";
            return false;
          }
          if (!check(child.get(), child->children_)) return false;
        }
        return true;
      };
  if (!check(nullptr, roots_)) return false;
  if (view_ != nullptr && view_->selected_ != nullptr) {
    bool found = false;
    for (const TTreeNode* n = GetFirstNode(); n != nullptr && !found; n = n->GetNext()) {
      found = n == view_->selected_;
    }
    if (!found) {
      if (err != nullptr) *err = "the selected node is not in the tree";
      return false;
    }
  }
  return true;
}

// --- Tree view ------------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(const TClassInfo* cls)
    : TWinControl(ClassOr(cls, "TCustomTreeView")) {}

TCustomTreeView::~TCustomTreeView() {
  selected_ = nullptr;
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  if (node != nullptr && &node->Owner() != &items_) {
    throw EInvalidOperation("Tree node belongs to another tree");
  }
  if (node == selected_) return;
  selected_ = node;
  if (OnChange) OnChange(this, node);
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNextSibling()) {
    n->Expand(true);
  }
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNextSibling()) {
    n->Collapse(true);
  }
}

TTreeView::TTreeView(const TClassInfo* cls) : TCustomTreeView(ClassOr(cls, "TTreeView")) {}

}  // namespace platform
