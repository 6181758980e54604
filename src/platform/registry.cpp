#include "platform/registry.h"

#include <algorithm>

#include "platform/application.h"

namespace platform {

namespace {

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

// --- RegistryStore --------------------------------------------------------------------

RegistryStore::Key* RegistryStore::Find(HKEY root, std::string_view path, bool create) {
  auto root_it = roots_.find(root);
  if (root_it == roots_.end()) {
    if (!create) return nullptr;
    root_it = roots_.emplace(root, Key{}).first;
  }
  Key* key = &root_it->second;
  for (const std::string& part : SplitPath(path)) {
    auto it = key->subkeys.find(UpperAscii(part));
    if (it == key->subkeys.end()) {
      if (!create) return nullptr;
      auto sub = std::make_unique<Key>();
      sub->name = part;
      it = key->subkeys.emplace(UpperAscii(part), std::move(sub)).first;
    }
    key = it->second.get();
  }
  return key;
}

const RegistryStore::Key* RegistryStore::Find(HKEY root, std::string_view path) const {
  return const_cast<RegistryStore*>(this)->Find(root, path, false);
}

void RegistryStore::SetString(HKEY root, std::string_view path, const std::string& name,
                              const std::string& value) {
  Key* key = Find(root, path, true);
  for (Value& v : key->values) {
    if (SameTextAscii(v.name, name)) {
      v = Value{v.name, false, value, 0};
      return;
    }
  }
  key->values.push_back(Value{name, false, value, 0});
}

void RegistryStore::SetInteger(HKEY root, std::string_view path, const std::string& name,
                               int32_t value) {
  Key* key = Find(root, path, true);
  for (Value& v : key->values) {
    if (SameTextAscii(v.name, name)) {
      v = Value{v.name, true, {}, value};
      return;
    }
  }
  key->values.push_back(Value{name, true, {}, value});
}

bool RegistryStore::DeleteKey(HKEY root, std::string_view path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.empty()) return false;
  const std::string last = parts.back();
  parts.pop_back();
  std::string parent_path;
  for (const std::string& p : parts) parent_path += p + "\\";
  Key* parent = Find(root, parent_path, false);
  return parent != nullptr && parent->subkeys.erase(UpperAscii(last)) > 0;
}

// --- TRegistry ------------------------------------------------------------------------

TRegistry::TRegistry(RegistryStore* store)
    : store_(store != nullptr ? store : &Application().Registry()) {}

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

std::string TRegistry::Resolve(std::string_view path) const {
  if (!path.empty() && path.front() == '\\') return std::string(path.substr(1));
  if (!open_ || path_.empty()) return std::string(path);
  return path_ + "\\" + std::string(path);
}

bool TRegistry::OpenKey(std::string_view path, bool can_create) {
  const std::string full = Resolve(path);
  if (store_->Find(root_, full, can_create) == nullptr) return false;
  path_ = full;
  while (!path_.empty() && path_.back() == '\\') path_.pop_back();
  open_ = true;
  return true;
}

void TRegistry::CloseKey() {
  open_ = false;
  path_.clear();
}

bool TRegistry::KeyExists(std::string_view path) const {
  return store_->Find(root_, Resolve(path)) != nullptr;
}

RegistryStore::Key* TRegistry::OpenedKey() const {
  return open_ ? store_->Find(root_, path_, false) : nullptr;
}

void TRegistry::GetValueNames(TStrings& names) const {
  names.Clear();
  if (const RegistryStore::Key* key = OpenedKey()) {
    for (const auto& v : key->values) names.Add(v.name);
  }
}

void TRegistry::GetKeyNames(TStrings& names) const {
  names.Clear();
  if (const RegistryStore::Key* key = OpenedKey()) {
    for (const auto& [upper, sub] : key->subkeys) names.Add(sub->name);
  }
}

const RegistryStore::Value* TRegistry::FindValue(const std::string& name) const {
  const RegistryStore::Key* key = OpenedKey();
  if (key == nullptr) return nullptr;
  for (const auto& v : key->values) {
    if (SameTextAscii(v.name, name)) return &v;
  }
  return nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return FindValue(name) != nullptr;
}

std::string TRegistry::ReadString(const std::string& name) const {
  const RegistryStore::Value* v = FindValue(name);
  if (v == nullptr) return {};
  if (v->is_integer) throw ERegistryException("Invalid data type for '" + name + "'");
  return v->text;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
  const RegistryStore::Value* v = FindValue(name);
  if (v == nullptr || !v->is_integer) {
    throw ERegistryException("Invalid data type for '" + name + "'");
  }
  return v->integer;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  if (!open_) throw ERegistryException("Failed to set data for '" + name + "'");
  store_->SetString(root_, path_, name, value);
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  if (!open_) throw ERegistryException("Failed to set data for '" + name + "'");
  store_->SetInteger(root_, path_, name, value);
}

bool TRegistry::DeleteValue(const std::string& name) {
  RegistryStore::Key* key = OpenedKey();
  if (key == nullptr) return false;
  const auto before = key->values.size();
  std::erase_if(key->values, [&name](const auto& v) { return SameTextAscii(v.name, name); });
  return key->values.size() != before;
}

}  // namespace platform
