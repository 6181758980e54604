// DfmDocument: a text form file as a tree of objects and properties that remembers where
// every piece stands in the file, so writing it back reproduces the file byte for byte
// except where a property was set, added or removed or an object renamed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ide/dfm_value.h"
#include "ide/form_dialect.h"
#include "ide/text_encoding.h"

namespace ide {

class FileSystem;

// The file a tree was read from; the tree borrows it to decode values on demand.
struct DfmSource {
  std::string path;
  std::string text;  // the bytes as read
  TextEncoding encoding = TextEncoding::Windows1252;
  std::string line_break;                     // that of the file, used for every line written
  FormDialect dialect = FormDialect::Delphi;  // .lfm files are Lazarus's
};

enum class DfmObjectKind { Object, Inherited, Inline };

class DfmProperty {
 public:
  // The name as written, qualified names included ("Font.Name").
  const std::string& name() const { return name_; }
  DfmValueKind kind() const;
  // The decoded value (strings in UTF-8); the new value once set.
  DfmValue value() const;
  // The value's text in the file; empty for a property added since loading.
  std::string_view source_text() const;
  // True when the value was set to something other than what the file holds.
  bool modified() const { return assigned_ != nullptr; }

 private:
  friend class DfmDocument;
  friend class DfmObject;
  friend class DfmParser;
  friend class DfmWriter;
  static constexpr size_t kNone = static_cast<size_t>(-1);

  bool from_source() const { return value_begin_ != kNone; }

  const DfmSource* source_ = nullptr;
  std::string name_;
  DfmValueKind kind_ = DfmValueKind::Identifier;
  size_t lead_begin_ = kNone;  // end of what precedes the property (removal starts here)
  size_t name_begin_ = kNone;
  size_t equals_end_ = kNone;  // a changed value is written from here, after one blank
  size_t value_begin_ = kNone;
  size_t value_end_ = kNone;
  std::unique_ptr<DfmValue> assigned_;  // the value set since loading, if any
  const DfmValue* decoded_ = nullptr;   // the file's value, when decoded ahead (the document's)
};

class DfmObject {
 public:
  DfmObjectKind kind() const { return kind_; }
  // The object's name; empty for an unnamed object.
  const std::string& name() const { return name_; }
  const std::string& class_name() const { return class_name_; }
  // The [n] position written after the class name, when there is one.
  std::optional<int64_t> child_index() const { return child_index_; }
  // The enclosing object; nullptr for the root.
  DfmObject* parent() const { return parent_; }
  // Properties in file order, then those added since loading.
  const std::vector<DfmProperty>& properties() const { return properties_; }
  const std::vector<DfmObject*>& children() const { return children_; }
  // 1-based line of the object's header in the file (counted on each call); 0 for an
  // object added since loading.
  size_t line() const;
  // True for an object added since loading.
  bool added() const { return added_; }
  // True for an added object with nothing to write: no properties and no child written.
  bool omitted() const;

  // The property of that name (letter case ignored), or nullptr when the object has none.
  const DfmProperty* FindProperty(std::string_view name) const;
  // The child of that name (letter case ignored, direct children only), or nullptr.
  DfmObject* FindChild(std::string_view name) const;

  // Sets a property's value; a missing property is added after the object's other
  // properties, before its children. Pointers to properties may move.
  void SetProperty(std::string_view name, DfmValue value);
  // Removes a property (the host drops properties set back to their class default);
  // false when the object has none of that name.
  bool RemoveProperty(std::string_view name);
  // Renames the object in the file; the caller has checked the name.
  void Rename(std::string name);
  // Adds a child object of that kind at position index of children() (at the end when
  // past it); it is written with its properties and children, and not at all while it
  // has neither. The caller has checked the name.
  DfmObject& AddChild(size_t index, DfmObjectKind kind, std::string name, std::string class_name);

 private:
  friend class DfmDocument;
  friend class DfmParser;
  friend class DfmWriter;

  DfmObjectKind kind_ = DfmObjectKind::Object;
  std::string name_;
  std::string class_name_;
  std::string source_name_;
  std::optional<int64_t> child_index_;
  DfmObject* parent_ = nullptr;
  std::vector<DfmProperty> properties_;
  std::vector<DfmProperty> removed_;  // properties of the file that were removed
  std::vector<DfmObject*> children_;  // owned by the document
  const DfmSource* source_ = nullptr;
  std::deque<DfmObject>* document_objects_ = nullptr;  // where added children are made
  bool edited_ = false;  // anything to write differently from the file
  bool added_ = false;   // not in the file: written whole
  size_t keyword_begin_ = 0;
  size_t name_begin_ = 0;      // start of the name, or of the class for an unnamed object
  size_t name_end_ = 0;        // end of "Name: ", or name_begin_ for an unnamed object
  size_t properties_end_ = 0;  // end of the last property of the file, or of the header
  size_t end_begin_ = 0;       // the object's closing 'end'
};

class DfmDocument {
 public:
  // Reads a text form file; nullptr with *err ("file:line:column: expected X, found Y")
  // when the bytes are malformed or a binary form.
  static std::unique_ptr<DfmDocument> Parse(std::string path, std::string bytes, std::string* err);
  // Parse() of a file read through fs.
  static std::unique_ptr<DfmDocument> Load(FileSystem& fs, const std::string& path,
                                           std::string* err);

  DfmObject& root() { return objects_.front(); }
  const DfmObject& root() const { return objects_.front(); }
  const std::string& path() const { return source_->path; }
  TextEncoding encoding() const { return source_->encoding; }

  // The bytes the document was read from.
  const std::string& loaded_bytes() const { return source_->text; }
  // The file's bytes with every edit applied; the original bytes when nothing changed.
  std::string Write() const;
  // Writes Write() to path atomically; false with *err when the write failed.
  bool Save(FileSystem& fs, const std::string& path, std::string* err) const;

  // Consistency check for tests after edits: parent links, properties in file order, and
  // a written form that reads back with the same objects. False with *err naming the fault.
  bool Verify(std::string* err) const;
  // Decodes every value the file holds, so reading one later costs a copy: done while the
  // form is read ahead, off the thread that builds it.
  void DecodeValues();

 private:
  friend class DfmParser;
  DfmDocument() = default;

  std::unique_ptr<DfmSource> source_;
  std::deque<DfmObject> objects_;  // every object, root first; addresses never move
  std::vector<DfmValue> decoded_;  // the values DecodeValues decoded, in one block
};

// Every object of the tree under and including root, parents before children.
std::vector<DfmObject*> AllObjects(DfmObject& root);

}  // namespace ide
