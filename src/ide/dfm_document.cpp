#include "ide/dfm_document.h"

#include <algorithm>

#include "ide/dfm_parser.h"
#include "ide/dfm_writer.h"
#include "ide/file_system.h"

namespace ide {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

}  // namespace

DfmValueKind DfmProperty::kind() const {
  return assigned_ ? assigned_->kind : kind_;
}

DfmValue DfmProperty::value() const {
  if (assigned_) return *assigned_;
  if (decoded_) return *decoded_;
  return DfmParser::DecodeValue(*source_, value_begin_);
}

std::string_view DfmProperty::source_text() const {
  if (!from_source()) return {};
  return std::string_view(source_->text).substr(value_begin_, value_end_ - value_begin_);
}

size_t DfmObject::line() const {
  if (added_) return 0;
  std::string_view text = source_->text;
  return 1 + static_cast<size_t>(std::count(
                 text.begin(), text.begin() + static_cast<std::ptrdiff_t>(keyword_begin_), '\n'));
}

bool DfmObject::omitted() const {
  return added_ && properties_.empty() &&
         std::all_of(children_.begin(), children_.end(),
                     [](const DfmObject* child) { return child->omitted(); });
}

const DfmProperty* DfmObject::FindProperty(std::string_view name) const {
  for (const DfmProperty& property : properties_)
    if (SameName(property.name_, name)) return &property;
  return nullptr;
}

DfmObject* DfmObject::FindChild(std::string_view name) const {
  for (DfmObject* child : children_)
    if (SameName(child->name_, name)) return child;
  return nullptr;
}

void DfmObject::SetProperty(std::string_view name, DfmValue value) {
  edited_ = true;
  auto found = std::find_if(properties_.begin(), properties_.end(),
                            [&](const DfmProperty& p) { return SameName(p.name_, name); });
  if (found == properties_.end()) {
    // A property of the file removed earlier goes back to its old place.
    auto removed = std::find_if(removed_.begin(), removed_.end(),
                                [&](const DfmProperty& p) { return SameName(p.name_, name); });
    if (removed != removed_.end()) {
      DfmProperty property = std::move(*removed);
      removed_.erase(removed);
      auto place = std::find_if(properties_.begin(), properties_.end(), [&](const DfmProperty& p) {
        return !p.from_source() || p.value_begin_ > property.value_begin_;
      });
      found = properties_.insert(place, std::move(property));
    } else {
      DfmProperty property;
      property.source_ = source_;
      property.name_ = std::string(name);
      property.kind_ = value.kind;
      property.assigned_ = std::make_unique<DfmValue>(std::move(value));
      properties_.push_back(std::move(property));
      return;
    }
  }
  DfmProperty& property = *found;
  // Setting a value back to what the file holds restores the file's own text.
  if (property.from_source() && property.kind_ == value.kind &&
      DfmParser::DecodeValue(*source_, property.value_begin_) == value)
    property.assigned_.reset();
  else
    property.assigned_ = std::make_unique<DfmValue>(std::move(value));
}

bool DfmObject::RemoveProperty(std::string_view name) {
  auto found = std::find_if(properties_.begin(), properties_.end(),
                            [&](const DfmProperty& p) { return SameName(p.name_, name); });
  if (found == properties_.end()) return false;
  edited_ = true;
  if (found->from_source()) {
    found->assigned_.reset();
    removed_.push_back(std::move(*found));
  }
  properties_.erase(found);
  return true;
}

void DfmObject::Rename(std::string name) {
  edited_ = true;
  name_ = std::move(name);
}

DfmObject& DfmObject::AddChild(size_t index, DfmObjectKind kind, std::string name,
                               std::string class_name) {
  DfmObject& child = document_objects_->emplace_back();
  child.kind_ = kind;
  child.name_ = std::move(name);
  child.source_name_ = child.name_;
  child.class_name_ = std::move(class_name);
  child.parent_ = this;
  child.source_ = source_;
  child.document_objects_ = document_objects_;
  child.edited_ = true;
  child.added_ = true;
  children_.insert(
      children_.begin() + static_cast<std::ptrdiff_t>(std::min(index, children_.size())), &child);
  edited_ = true;
  return child;
}

std::unique_ptr<DfmDocument> DfmDocument::Parse(std::string path, std::string bytes,
                                                std::string* err) {
  return DfmParser::ParseDocument(std::move(path), std::move(bytes), err);
}

std::unique_ptr<DfmDocument> DfmDocument::Load(FileSystem& fs, const std::string& path,
                                               std::string* err) {
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return nullptr;
  return Parse(path, std::move(bytes), err);
}

std::string DfmDocument::Write() const {
  return DfmWriter::Write(*source_, root());
}

bool DfmDocument::Save(FileSystem& fs, const std::string& path, std::string* err) const {
  return fs.WriteFile(path, Write(), err);
}

namespace {

void CollectObjects(DfmObject& object, std::vector<DfmObject*>* out) {
  out->push_back(&object);
  for (DfmObject* child : object.children()) CollectObjects(*child, out);
}

}  // namespace

void DfmDocument::DecodeValues() {
  if (!decoded_.empty()) return;
  size_t count = 0;
  for (const DfmObject& object : objects_) count += object.properties_.size();
  decoded_.reserve(count);  // the properties point into it: it must not move
  for (DfmObject& object : objects_) {
    for (DfmProperty& property : object.properties_) {
      if (!property.from_source()) continue;
      decoded_.push_back(DfmParser::DecodeValue(*source_, property.value_begin_));
      property.decoded_ = &decoded_.back();
    }
  }
}

bool DfmDocument::Verify(std::string* err) const {
  std::vector<const DfmObject*> objects{&root()};
  for (size_t i = 0; i < objects.size(); ++i)
    for (const DfmObject* child : objects[i]->children())
      if (!child->omitted()) objects.push_back(child);
  for (const DfmObject* object : objects) {
    for (const DfmObject* child : object->children())
      if (child->parent() != object) {
        *err = child->name() + ": parent is not " + object->name();
        return false;
      }
    size_t last = object->name_end_;
    bool added_seen = false;
    for (const DfmProperty& property : object->properties()) {
      if (!property.from_source()) {
        added_seen = true;
        if (!property.assigned_) {
          *err = object->name() + "." + property.name() + ": added without a value";
          return false;
        }
        continue;
      }
      if (added_seen || property.value_begin_ < last ||
          property.value_end_ > object->properties_end_) {
        *err = object->name() + "." + property.name() + ": out of file order";
        return false;
      }
      last = property.value_end_;
    }
  }
  std::unique_ptr<DfmDocument> again = Parse(path(), Write(), err);
  if (!again) return false;
  std::vector<const DfmObject*> reread{&again->root()};
  for (size_t i = 0; i < reread.size(); ++i)
    for (const DfmObject* child : reread[i]->children()) reread.push_back(child);
  if (reread.size() != objects.size()) {
    *err = "written form has " + std::to_string(reread.size()) + " objects, not " +
           std::to_string(objects.size());
    return false;
  }
  for (size_t i = 0; i < objects.size(); ++i)
    if (reread[i]->name() != objects[i]->name() ||
        reread[i]->properties().size() != objects[i]->properties().size()) {
      *err = "written form differs at " + objects[i]->name();
      return false;
    }
  return true;
}

std::vector<DfmObject*> AllObjects(DfmObject& root) {
  std::vector<DfmObject*> objects;
  CollectObjects(root, &objects);
  return objects;
}

}  // namespace ide
