// The declaration parser: reads the head of an Object Pascal routine or unit declaration
// (kind, name, parameters with their types, result type) out of a piece of source text, so
// the comment generator can fill a header comment from it. Works on plain strings only.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The kind of declaration found; the order is the keyword table's order plus one.
enum TFuncKind {
  fncNone,
  fncFunction,
  fncProcedure,
  fncConstructor,
  fncDestructor,
  fncUnit,
  fncClass
};

// The name of a kind as written in code ("fncFunction").
std::string_view FuncKindName(TFuncKind kind);

// A list of strings with an integer in each entry's object slot (the parser keeps the
// index of a parameter's type there, -1 for none).
class TStringSlotList {
 public:
  virtual ~TStringSlotList() = default;

  int Count() const { return static_cast<int>(strings_.size()); }
  const std::string& Strings(int index) const { return strings_.at(index); }
  int Objects(int index) const { return objects_.at(index); }
  void SetObjects(int index, int object) { objects_.at(index) = object; }
  // Appends s (object slot 0) and returns its index.
  virtual int Add(const std::string& s);
  // Adds s as Add does and stores object in the slot of the returned index.
  int AddObject(const std::string& s, int object);
  virtual void Clear();

 protected:
  void Append(const std::string& s);

 private:
  std::vector<std::string> strings_;
  std::vector<int> objects_;
};

// A string list that never stores a second entry equal (letter case ignored) to one it holds.
class TUniqueStringList : public TStringSlotList {
 public:
  // The index of the entry equal to s ignoring letter case, unchanged; else appends s.
  int Add(const std::string& s) override;
  void Clear() override;

 private:
  std::unordered_map<std::string, int> index_of_folded_;  // case-folded text -> index
};

// The position (from 0) of the first keyword equal to token under ASCII case folding (only
// A-Z and a-z fold); keywords.size() when none is.
int IndexOfKeyword(std::string_view token, std::span<const std::string_view> keywords);

// One parser object serves one declaration: create, set Source, Parse, read the fields.
// Errors are platform::Exception with the messages "no closing comment", "unanticipated
// data encountered" and "unexpected end of text" (the text ended inside a token, before a
// keyword or before the expected delimiter; nothing past the terminating zero is read).
class TZORIEditorParser {
 public:
  // Tells whether the character at the current position is a delimiter.
  using CompareFunc = bool (TZORIEditorParser::*)() const;

  TZORIEditorParser();
  TZORIEditorParser(const TZORIEditorParser&) = delete;
  TZORIEditorParser& operator=(const TZORIEditorParser&) = delete;
  ~TZORIEditorParser() = default;

  const char* Source = nullptr;  // zero-terminated UTF-8 text; not owned
  TStringSlotList Params;        // value and const parameters; slot: index in Types or -1
  TStringSlotList FuncResult;    // empty, or "function result" with the result type's index
  TStringSlotList VarParams;     // var parameters, as Params
  TUniqueStringList Types;       // every distinct type text, in order of first appearance
  int Pos = 0;                   // characters (code points) of Source consumed so far
  char LastChar = 0;             // the delimiter that ended the most recent token
  TFuncKind Kind = fncNone;
  std::string Name;

  // Parses Source from Pos and fills Kind, Name, Params, VarParams, FuncResult and Types.
  void Parse();
  // The next token up to an accepted delimiter of P, comments dropped, trimmed; sets
  // LastChar and moves past the delimiter.
  std::string GetNextToken(CompareFunc P);
  // Moves over line feeds, carriage returns and spaces (not tabs).
  void SkipWS();
  // Skips tokens up to the first declaration keyword and sets Kind; returns true.
  bool FetchFunctionKind();
  // Reads a parameter list whose "(" has just been consumed.
  void ParseParams();

  bool checkALL() const;      // line feed, carriage return, space, ( ) , : ;
  bool checkDelOnly() const;  // ( ) , : ;

 private:
  // Brings the byte cursor in line with Pos when a caller moved Pos.
  void Sync();
  char Current() const { return Source[byte_]; }
  // Moves the cursor to byte offset target, counting the characters passed in Pos.
  void MoveTo(size_t target);
  void Advance() { MoveTo(byte_ + 1); }
  [[noreturn]] static void EndOfText();

  size_t byte_ = 0;     // byte offset in Source of the character at Pos
  int synced_pos_ = 0;  // the Pos value byte_ belongs to
};
