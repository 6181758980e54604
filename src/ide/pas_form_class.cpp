#include "ide/pas_form_class.h"

#include "ide/pascal_lexer.h"
#include "ide/text_encoding.h"

namespace ide {

namespace {

// Words that end the designer's field section of a class.
bool EndsFieldSection(const PascalLexer& lexer, const PascalToken& token) {
  for (std::string_view word : {"private", "protected", "public", "published", "automated",
                                "strict", "procedure", "function", "constructor", "destructor",
                                "property", "class", "end", "var", "const", "type", "operator"})
    if (lexer.Is(token, word)) return true;
  return false;
}

class ClassFinder {
 public:
  ClassFinder(const std::string& path, std::string_view text)
      : path_(path), text_(text), lexer_(text) {
    lexer_.AllowNamesBeyondAscii();
  }

  bool Find(std::vector<PasFormClass>* classes, std::string* err) {
    // A sliding window of the last tokens spots "Name = class (".
    PascalToken name, equals, keyword;
    if (!Advance(err)) return false;
    while (tok_.kind != PascalToken::Eof && !lexer_.Is(tok_, "implementation")) {
      name = equals;
      equals = keyword;
      keyword = tok_;
      if (!Advance(err)) return false;
      if (name.kind == PascalToken::Ident && IsSymbol(equals, '=') && lexer_.Is(keyword, "class") &&
          IsSymbol(tok_, '(')) {
        PasFormClass found;
        found.name = std::string(lexer_.Text(name));
        found.line = LineAt(name.begin);
        if (!ReadClass(&found, err)) return false;
        if (!found.ancestor.empty()) classes->push_back(std::move(found));
        name = equals = keyword = PascalToken();
      }
    }
    return true;
  }

 private:
  // From the '(' of the heading to the end of the first section.
  bool ReadClass(PasFormClass* found, std::string* err) {
    if (!Advance(err)) return false;
    // A qualified ancestor (Vcl.Forms.TForm, uBase.TfrmBase) is named by its last part.
    while (tok_.kind == PascalToken::Ident) {
      found->ancestor = std::string(lexer_.Text(tok_));
      if (!Advance(err)) return false;
      if (!IsSymbol(tok_, '.')) break;
      if (!Advance(err)) return false;
    }
    while (tok_.kind != PascalToken::Eof && !IsSymbol(tok_, ')'))
      if (!Advance(err)) return false;
    if (!Advance(err)) return false;
    // "TForm2 = class(TForm1);" declares a class with no body.
    if (IsSymbol(tok_, ';')) return true;
    while (tok_.kind == PascalToken::Ident && !EndsFieldSection(lexer_, tok_)) {
      std::vector<PascalToken> names{tok_};
      if (!Advance(err)) return false;
      while (IsSymbol(tok_, ',')) {
        if (!Advance(err)) return false;
        if (tok_.kind != PascalToken::Ident) return true;
        names.push_back(tok_);
        if (!Advance(err)) return false;
      }
      if (!IsSymbol(tok_, ':')) return true;
      if (!Advance(err)) return false;
      size_t type_begin = tok_.begin, type_end = tok_.begin;
      while (tok_.kind != PascalToken::Eof && !IsSymbol(tok_, ';') && !lexer_.Is(tok_, "end")) {
        type_end = tok_.end;
        if (!Advance(err)) return false;
      }
      for (const PascalToken& field_name : names)
        found->fields.push_back({std::string(lexer_.Text(field_name)),
                                 std::string(text_.substr(type_begin, type_end - type_begin)),
                                 field_name.begin, LineAt(field_name.begin)});
      if (!IsSymbol(tok_, ';')) return true;
      if (!Advance(err)) return false;
    }
    return true;
  }

  // Line of an offset, counted on from the last one asked for, so a class with many
  // fields costs one pass over the text rather than one per field.
  size_t LineAt(size_t offset) {
    if (offset < counted_to_) {
      counted_to_ = 0;
      line_ = 1;
    }
    for (; counted_to_ < offset; ++counted_to_)
      if (text_[counted_to_] == '\n') ++line_;
    return line_;
  }

  bool Advance(std::string* err) {
    if (lexer_.Next(&tok_)) return true;
    *err = SourceLocation(path_, text_, lexer_.error_offset(), DetectEncoding(text_)) + ": " +
           lexer_.error();
    return false;
  }
  bool IsSymbol(const PascalToken& token, char c) const {
    return token.kind == PascalToken::Symbol && token.end - token.begin == 1 &&
           text_[token.begin] == c;
  }

  const std::string& path_;
  std::string_view text_;
  PascalLexer lexer_;
  PascalToken tok_;
  size_t counted_to_ = 0;
  size_t line_ = 1;
};

}  // namespace

const PasField* PasFormClass::FindField(std::string_view field) const {
  for (const PasField& f : fields)
    if (SameIdentifier(f.name, field)) return &f;
  return nullptr;
}

bool FindFormClasses(const std::string& path, std::string_view text,
                     std::vector<PasFormClass>* classes, std::string* err) {
  classes->clear();
  return ClassFinder(path, text).Find(classes, err);
}

bool RenameFormField(const std::string& path, std::string* text, std::string_view class_name,
                     std::string_view old_name, std::string_view new_name, std::string* err) {
  std::vector<PasFormClass> classes;
  if (!FindFormClasses(path, *text, &classes, err)) return false;
  const PasFormClass* form = nullptr;
  for (const PasFormClass& c : classes)
    if (SameIdentifier(c.name, class_name)) form = &c;
  if (!form) {
    *err = path + ": no declaration of class " + std::string(class_name);
    return false;
  }
  const PasField* field = form->FindField(old_name);
  if (!field) {
    *err = path + ": class " + form->name + " has no field " + std::string(old_name);
    return false;
  }
  if (!IsIdentifier(new_name)) {
    *err = path + ": '" + std::string(new_name) + "' is not a valid identifier";
    return false;
  }
  const PasField* taken = form->FindField(new_name);
  if (taken && taken != field) {
    *err = path + ": class " + form->name + " already has a field " + taken->name;
    return false;
  }
  text->replace(field->offset, field->name.size(), new_name);
  return true;
}

}  // namespace ide
