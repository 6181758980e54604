#include "platform/classes.h"

#include <cctype>

namespace platform {

namespace {

// ASCII letters only, whatever the C locale: names, keys and extensions compare this way
// millions of times over a large project.
char UpperAsciiChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAsciiChar(c);
  return upper;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && UpperAsciiChar(a[i]) != UpperAsciiChar(b[i])) return false;
  }
  return true;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<PropInfo> properties)
    : name_(std::move(name)), parent_(parent), properties_(std::move(properties)) {}

bool TClassInfo::InheritsFrom(std::string_view class_name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_) {
    if (SameTextAscii(c->name_, class_name)) return true;
  }
  return false;
}

size_t NameHash::operator()(std::string_view name) const {
  size_t hash = 14695981039346656037ULL;  // FNV-1a over the upper-cased bytes
  for (char c : name) {
    hash ^= static_cast<unsigned char>(UpperAsciiChar(c));
    hash *= 1099511628211ULL;
  }
  return hash;
}

bool NameEqual::operator()(std::string_view a, std::string_view b) const {
  return SameTextAscii(a, b);
}

const PropInfo* TClassInfo::FindProperty(std::string_view name) const {
  if (index_ == nullptr) {
    auto index = std::make_shared<PropertyIndex>();
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_) {
      for (const PropInfo& p : c->properties_) index->try_emplace(p.name, &p);
    }
    index_ = std::move(index);
  }
  const auto found = index_->find(name);
  if (found == index_->end()) return nullptr;
  return found->second->published ? found->second : nullptr;
}

std::vector<const PropInfo*> TClassInfo::Properties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_) chain.push_back(c);
  std::vector<const PropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const PropInfo& p : (*it)->properties_) {
      bool overridden = false;
      for (auto*& existing : result) {
        if (SameTextAscii(existing->name, p.name)) {
          existing = &p;  // a descendant redeclares the property with its own default
          overridden = true;
        }
      }
      if (!overridden) result.push_back(&p);
    }
  }
  std::erase_if(result, [](const PropInfo* p) { return !p->published; });
  return result;
}

const TClassInfo* ClassRegistry::Add(std::string name, std::string_view parent_name,
                                     std::vector<PropInfo> properties, std::string* err) {
  if (by_name_.count(name) != 0) {
    if (err != nullptr) *err = "class " + name + " is already defined";
    return nullptr;
  }
  const TClassInfo* parent = nullptr;
  if (!parent_name.empty()) {
    parent = Find(parent_name);
    if (parent == nullptr) {
      if (err != nullptr)
        *err = "class " + name + ": unknown parent class " + std::string(parent_name);
      return nullptr;
    }
  }
  auto info = std::make_unique<TClassInfo>(name, parent, std::move(properties));
  const TClassInfo* raw = info.get();
  by_name_.emplace(name, raw);
  classes_.push_back(std::move(info));
  return raw;
}

const TClassInfo* ClassRegistry::Find(std::string_view name) const {
  auto it = by_name_.find(name);
  if (it != by_name_.end()) return it->second;
  return fallback_ != nullptr ? fallback_->Find(name) : nullptr;
}

}  // namespace platform
