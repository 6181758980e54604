#include "platform/filter_expression.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "platform/classes.h"
#include "platform/text_codec.h"

namespace platform {

enum class NodeKind { Or, And, Not, Compare, Like, IsNull, Field, Literal };
enum class CmpOp { Eq, Ne, Lt, Gt, Le, Ge };

struct FilterExpression::Node {
  NodeKind kind = NodeKind::Literal;
  CmpOp op = CmpOp::Eq;
  bool negated = false;  // NOT LIKE, IS NOT NULL
  int field = -1;
  TFieldType field_type = ftUnknown;
  Variant literal;
  std::unique_ptr<Node> left, right;
};

namespace {

using Node = FilterExpression::Node;

enum class Tok { End, Ident, String, Integer, Op };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier, unquoted string, digits or operator
  size_t column = 0;
};

class FilterParser {
 public:
  FilterParser(std::string_view text, const FilterExpression::FieldResolver& resolve)
      : text_(text), resolve_(resolve) {}

  std::unique_ptr<Node> Parse() {
    Advance();
    auto root = ParseOr();
    if (tok_.kind != Tok::End) Fail("AND, OR or end of expression");
    return root;
  }

  const std::string& Error() const { return error_; }

  struct Failure {};

 private:
  [[noreturn]] void Fail(const std::string& expected) {
    error_ = "column " + std::to_string(tok_.column) + ": expected " + expected + ", found " +
             Describe(tok_);
    throw Failure{};
  }

  static std::string Describe(const Token& t) {
    switch (t.kind) {
      case Tok::End:
        return "end of expression";
      case Tok::String:
        return "text '" + t.text + "'";
      default:
        return "'" + t.text + "'";
    }
  }

  bool IsKeyword(const char* word) const {
    return tok_.kind == Tok::Ident && !bracketed_ && SameTextAscii(tok_.text, word);
  }

  // Column (1-based, in characters) of byte offset pos.
  size_t ColumnAt(size_t pos) const { return Utf8Length(text_.substr(0, pos)) + 1; }

  void Advance() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])) != 0) {
      ++pos_;
    }
    tok_ = Token{};
    bracketed_ = false;
    tok_.column = ColumnAt(pos_);
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (c == '\'') {
      ++pos_;
      tok_.kind = Tok::String;
      for (;;) {
        if (pos_ >= text_.size()) {
          tok_.column = ColumnAt(pos_);
          tok_.kind = Tok::End;
          Fail("a closing quote");
        }
        if (text_[pos_] == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            tok_.text.push_back('\'');
            pos_ += 2;
            continue;
          }
          ++pos_;
          return;
        }
        tok_.text.push_back(text_[pos_++]);
      }
    }
    if (c == '[') {
      const size_t close = text_.find(']', pos_);
      if (close == std::string_view::npos) {
        tok_.column = ColumnAt(text_.size());
        Fail("']'");
      }
      tok_.kind = Tok::Ident;
      tok_.text = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
      bracketed_ = true;
      pos_ = close + 1;
      return;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
      tok_.kind = Tok::Integer;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])) != 0) {
        tok_.text.push_back(text_[pos_++]);
      }
      return;
    }
    if (std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_') {
      tok_.kind = Tok::Ident;
      while (pos_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[pos_])) != 0 || text_[pos_] == '_')) {
        tok_.text.push_back(text_[pos_++]);
      }
      return;
    }
    tok_.kind = Tok::Op;
    if ((c == '<' || c == '>') && pos_ + 1 < text_.size() &&
        (text_[pos_ + 1] == '=' || (c == '<' && text_[pos_ + 1] == '>'))) {
      tok_.text = std::string(text_.substr(pos_, 2));
      pos_ += 2;
      return;
    }
    if (c == '=' || c == '<' || c == '>' || c == '(' || c == ')' || c == '-') {
      tok_.text = std::string(1, c);
      ++pos_;
      return;
    }
    size_t next = pos_;
    NextCodePoint(text_, next);
    tok_.text = std::string(text_.substr(pos_, next - pos_));
    pos_ = next;
  }

  std::unique_ptr<Node> Binary(NodeKind kind, std::unique_ptr<Node> l, std::unique_ptr<Node> r) {
    auto n = std::make_unique<Node>();
    n->kind = kind;
    n->left = std::move(l);
    n->right = std::move(r);
    return n;
  }

  std::unique_ptr<Node> ParseOr() {
    auto left = ParseAnd();
    while (IsKeyword("OR")) {
      Advance();
      left = Binary(NodeKind::Or, std::move(left), ParseAnd());
    }
    return left;
  }

  std::unique_ptr<Node> ParseAnd() {
    auto left = ParseNot();
    while (IsKeyword("AND")) {
      Advance();
      left = Binary(NodeKind::And, std::move(left), ParseNot());
    }
    return left;
  }

  std::unique_ptr<Node> ParseNot() {
    const bool nests = IsKeyword("NOT") || (tok_.kind == Tok::Op && tok_.text == "(");
    if (!nests) return ParseCondition();
    // Each NOT and parenthesis is read by a nested call: a filter nested thousands deep
    // would overflow the stack instead of being refused. A failure ends the parse, so the
    // depth needs undoing only on the way back.
    if (++depth_ > kMaxDepth) {
      error_ = "column " + std::to_string(tok_.column) + ": more than " +
               std::to_string(kMaxDepth) + " nested parentheses and NOTs";
      throw Failure{};
    }
    std::unique_ptr<Node> node;
    if (IsKeyword("NOT")) {
      Advance();
      node = Binary(NodeKind::Not, ParseNot(), nullptr);
    } else {
      Advance();
      node = ParseOr();
      if (!(tok_.kind == Tok::Op && tok_.text == ")")) Fail("')'");
      Advance();
    }
    --depth_;
    return node;
  }

  std::unique_ptr<Node> ParseCondition() {
    auto left = ParseOperand();
    if (tok_.kind == Tok::Op) {
      static const std::pair<const char*, CmpOp> kOps[] = {{"=", CmpOp::Eq},  {"<>", CmpOp::Ne},
                                                           {"<", CmpOp::Lt},  {">", CmpOp::Gt},
                                                           {"<=", CmpOp::Le}, {">=", CmpOp::Ge}};
      for (const auto& [text, op] : kOps) {
        if (tok_.text == text) {
          Advance();
          auto n = Binary(NodeKind::Compare, std::move(left), ParseOperand());
          n->op = op;
          return n;
        }
      }
    }
    bool negated = false;
    if (IsKeyword("NOT")) {
      Advance();
      negated = true;
      if (!IsKeyword("LIKE")) Fail("LIKE");
    }
    if (IsKeyword("LIKE")) {
      Advance();
      auto n = Binary(NodeKind::Like, std::move(left), ParseOperand());
      n->negated = negated;
      return n;
    }
    if (IsKeyword("IS")) {
      Advance();
      bool is_not = false;
      if (IsKeyword("NOT")) {
        Advance();
        is_not = true;
      }
      if (!IsKeyword("NULL")) Fail("NULL");
      Advance();
      auto n = Binary(NodeKind::IsNull, std::move(left), nullptr);
      n->negated = is_not;
      return n;
    }
    // A Boolean operand stands as a condition by itself ("Ativo", "TRUE").
    const bool boolean =
        (left->kind == NodeKind::Field && left->field_type == ftBoolean) ||
        (left->kind == NodeKind::Literal && left->literal.Type() == VarType::Boolean);
    if (!boolean) Fail("a comparison operator, LIKE or IS");
    return left;
  }

  std::unique_ptr<Node> ParseOperand() {
    auto n = std::make_unique<Node>();
    if (tok_.kind == Tok::String) {
      n->literal = tok_.text;
      Advance();
      return n;
    }
    bool negative = false;
    if (tok_.kind == Tok::Op && tok_.text == "-") {
      Advance();
      negative = true;
      if (tok_.kind != Tok::Integer) Fail("a number");
    }
    if (tok_.kind == Tok::Integer) {
      int64_t value = 0;
      for (char c : tok_.text) {
        value = value * 10 + (c - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) Fail("a 32-bit integer");
      }
      if (negative) value = -value;
      if (value > std::numeric_limits<int32_t>::max()) Fail("a 32-bit integer");
      n->literal = static_cast<int32_t>(value);
      Advance();
      return n;
    }
    if (tok_.kind == Tok::Ident) {
      if (IsKeyword("TRUE") || IsKeyword("FALSE")) {
        n->literal = IsKeyword("TRUE");
        Advance();
        return n;
      }
      if (IsKeyword("AND") || IsKeyword("OR") || IsKeyword("NOT") || IsKeyword("LIKE") ||
          IsKeyword("IS") || IsKeyword("NULL")) {
        Fail("a field name or a value");
      }
      const FilterExpression::FieldRef ref = resolve_(tok_.text);
      if (ref.index < 0) Fail("a field name of the dataset");
      n->kind = NodeKind::Field;
      n->field = ref.index;
      n->field_type = ref.type;
      Advance();
      return n;
    }
    Fail("a field name or a value");
  }

  std::string_view text_;
  const FilterExpression::FieldResolver& resolve_;
  size_t pos_ = 0;
  Token tok_;
  bool bracketed_ = false;
  int depth_ = 0;
  static constexpr int kMaxDepth = 200;  // far beyond any filter a person writes
  std::string error_;
};

const Variant& Operand(const Node& n, const std::vector<Variant>& values) {
  static const Variant kNull;
  if (n.kind == NodeKind::Field) {
    return n.field < static_cast<int>(values.size()) ? values[n.field] : kNull;
  }
  return n.literal;
}

// Three-way comparison of two non-null values; text may be folded first.
int CompareValues(const Variant& a, const Variant& b, bool case_insensitive) {
  const bool a_text = a.Type() == VarType::String;
  const bool b_text = b.Type() == VarType::String;
  if (!a_text && !b_text) {
    const int32_t x = a.AsInteger();
    const int32_t y = b.AsInteger();
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (a_text != b_text) {
    // An integer field against text such as '3' compares as numbers when the text is one.
    int32_t number = 0;
    const Variant& text = a_text ? a : b;
    const Variant& other = a_text ? b : a;
    if (other.Type() == VarType::Integer && TryStrToInt(text.AsString(), number)) {
      const int32_t x = a_text ? number : other.AsInteger();
      const int32_t y = a_text ? other.AsInteger() : number;
      return x < y ? -1 : (x > y ? 1 : 0);
    }
  }
  std::string x = a.AsString();
  std::string y = b.AsString();
  if (case_insensitive || (a.Type() == VarType::Boolean || b.Type() == VarType::Boolean)) {
    x = FoldCase(x);
    y = FoldCase(y);
  }
  const int c = x.compare(y);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// SQL LIKE over code points: % matches any run, _ exactly one character.
bool LikeMatch(std::string_view text, std::string_view pattern) {
  std::u32string t, p;
  for (size_t i = 0; i < text.size();) t.push_back(NextCodePoint(text, i));
  for (size_t i = 0; i < pattern.size();) p.push_back(NextCodePoint(pattern, i));
  size_t ti = 0, pi = 0, star = std::u32string::npos, mark = 0;
  while (ti < t.size()) {
    if (pi < p.size() && (p[pi] == U'_' || (p[pi] != U'%' && p[pi] == t[ti]))) {
      ++ti;
      ++pi;
    } else if (pi < p.size() && p[pi] == U'%') {
      star = pi++;
      mark = ti;
    } else if (star != std::u32string::npos) {
      pi = star + 1;
      ti = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == U'%') ++pi;
  return pi == p.size();
}

bool Eval(const Node& n, const std::vector<Variant>& values, bool ci) {
  switch (n.kind) {
    case NodeKind::Or:
      return Eval(*n.left, values, ci) || Eval(*n.right, values, ci);
    case NodeKind::And:
      return Eval(*n.left, values, ci) && Eval(*n.right, values, ci);
    case NodeKind::Not:
      return !Eval(*n.left, values, ci);
    case NodeKind::IsNull:
      return Operand(*n.left, values).IsEmpty() != n.negated;
    case NodeKind::Like: {
      const Variant& a = Operand(*n.left, values);
      const Variant& b = Operand(*n.right, values);
      if (a.IsEmpty() || b.IsEmpty()) return false;
      const bool match = ci ? LikeMatch(FoldCase(a.AsString()), FoldCase(b.AsString()))
                            : LikeMatch(a.AsString(), b.AsString());
      return match != n.negated;
    }
    case NodeKind::Compare: {
      const Variant& a = Operand(*n.left, values);
      const Variant& b = Operand(*n.right, values);
      if (a.IsEmpty() || b.IsEmpty()) return false;
      const int c = CompareValues(a, b, ci);
      switch (n.op) {
        case CmpOp::Eq:
          return c == 0;
        case CmpOp::Ne:
          return c != 0;
        case CmpOp::Lt:
          return c < 0;
        case CmpOp::Gt:
          return c > 0;
        case CmpOp::Le:
          return c <= 0;
        case CmpOp::Ge:
          return c >= 0;
      }
      return false;
    }
    case NodeKind::Field:
    case NodeKind::Literal: {
      const Variant& v = Operand(n, values);
      return !v.IsEmpty() && v.Type() == VarType::Boolean && v.AsBoolean();
    }
  }
  return false;
}

}  // namespace

FilterExpression::FilterExpression(std::unique_ptr<Node> root) : root_(std::move(root)) {}
FilterExpression::~FilterExpression() = default;

std::unique_ptr<FilterExpression> FilterExpression::Compile(std::string_view text,
                                                            const FieldResolver& resolve,
                                                            std::string* err) {
  bool blank = true;
  for (char c : text) blank = blank && std::isspace(static_cast<unsigned char>(c)) != 0;
  if (blank) return std::unique_ptr<FilterExpression>(new FilterExpression(nullptr));
  FilterParser parser(text, resolve);
  try {
    auto root = parser.Parse();
    return std::unique_ptr<FilterExpression>(new FilterExpression(std::move(root)));
  } catch (const FilterParser::Failure&) {
    if (err != nullptr) *err = parser.Error();
    return nullptr;
  }
}

bool FilterExpression::Matches(const std::vector<Variant>& values, bool case_insensitive) const {
  return root_ == nullptr || Eval(*root_, values, case_insensitive);
}

}  // namespace platform
