#include "ide/source_editor.h"

#include <unicode/utf8.h>

#include <algorithm>

#include "platform/exceptions.h"

namespace ide {

std::u32string ToChars(const std::string& utf8) {
  std::u32string chars;
  chars.reserve(utf8.size());
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  const int32_t length = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    chars.push_back(c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
  }
  return chars;
}

std::string ToUtf8(const std::u32string& chars) {
  std::string utf8;
  utf8.reserve(chars.size());
  for (char32_t c : chars) {
    uint8_t bytes[4];
    int32_t n = 0;
    U8_APPEND_UNSAFE(bytes, n, static_cast<UChar32>(c));
    utf8.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
  }
  return utf8;
}

namespace {

class Reader : public IOTAEditReader {
 public:
  explicit Reader(std::shared_ptr<SourceEditor> editor) : editor_(std::move(editor)) {}
  int GetText(int position, std::string& buffer, int count) override {
    buffer.clear();
    const std::u32string& chars = editor_->Chars();
    if (position < 0 || count <= 0 || static_cast<size_t>(position) >= chars.size()) return 0;
    const size_t n = std::min(static_cast<size_t>(count), chars.size() - position);
    buffer = ToUtf8(chars.substr(position, n));
    return static_cast<int>(n);
  }

 private:
  std::shared_ptr<SourceEditor> editor_;
};

// The writer edits the live buffer as it goes; delta_ maps positions of the text as it was
// when the writer was created to the buffer as it is now.
class Writer : public IOTAEditWriter {
 public:
  explicit Writer(std::shared_ptr<SourceEditor> editor) : editor_(std::move(editor)) {
    editor_->BeginUndoStep();
    original_size_ = editor_->Chars().size();
  }
  ~Writer() override { editor_->EndUndoStep(); }

  void CopyTo(int position) override { pos_ = Target(position); }
  void Insert(const std::string& text) override {
    const std::u32string chars = ToChars(text);
    editor_->Replace(pos_ + delta_, 0, chars);
    delta_ += static_cast<ptrdiff_t>(chars.size());
  }
  void DeleteTo(int position) override {
    const size_t target = Target(position);
    editor_->Replace(pos_ + delta_, target - pos_, {});
    delta_ -= static_cast<ptrdiff_t>(target - pos_);
    pos_ = target;
  }
  int CurrentPos() override { return static_cast<int>(pos_); }

 private:
  size_t Target(int position) const {
    if (position < static_cast<int>(pos_)) {
      throw platform::EInvalidOperation("Edit writer cannot move backwards");
    }
    return std::min(static_cast<size_t>(position), original_size_);
  }

  std::shared_ptr<SourceEditor> editor_;
  size_t original_size_ = 0;
  size_t pos_ = 0;
  ptrdiff_t delta_ = 0;
};

class Position : public IOTAEditPosition {
 public:
  explicit Position(std::shared_ptr<SourceEditor> editor) : editor_(std::move(editor)) {}

  bool GotoLine(int line) override { return Move(line, 1); }
  bool Move(int line, int column) override {
    if (line < 1 || column < 1) return false;
    editor_->cursor = {column, line};
    return true;
  }
  void Delete(int count) override {
    const std::u32string& chars = editor_->Chars();
    const size_t start = editor_->OffsetOf(editor_->cursor.Line, editor_->cursor.Col);
    size_t end = start;
    // A line break is one character to the editor, whatever it is made of.
    for (int i = 0; i < count && end < chars.size(); ++i) {
      end += (chars[end] == U'\r' && end + 1 < chars.size() && chars[end + 1] == U'\n') ? 2 : 1;
    }
    if (end == start) return;
    editor_->BeginUndoStep();
    editor_->Replace(start, end - start, {});
    editor_->EndUndoStep();
  }
  int GetRow() override { return editor_->cursor.Line; }
  int GetColumn() override { return editor_->cursor.Col; }

 private:
  std::shared_ptr<SourceEditor> editor_;
};

class View : public IOTAEditView {
 public:
  explicit View(std::shared_ptr<SourceEditor> editor) : editor_(std::move(editor)) {}
  TOTAEditPos GetCursorPos() override { return editor_->cursor; }
  void SetCursorPos(const TOTAEditPos& pos) override {
    editor_->cursor = {std::max(pos.Col, 1), std::max(pos.Line, 1)};
  }
  std::shared_ptr<IOTAEditBuffer> GetBuffer() override { return editor_; }

 private:
  std::shared_ptr<SourceEditor> editor_;
};

}  // namespace

SourceEditor::SourceEditor(std::weak_ptr<IOTAModule> module, std::string file_name,
                           const std::string& text)
    : module_(std::move(module)), file_name_(std::move(file_name)) {
  const std::u32string file = ToChars(text);
  chars_.reserve(file.size());
  size_t counts[3] = {0, 0, 0};
  for (size_t i = 0; i < file.size(); ++i) {
    Break kind;
    if (file[i] == U'\r' && i + 1 < file.size() && file[i + 1] == U'\n') {
      kind = Break::CrLf;
      ++i;
    } else if (file[i] == U'\n') {
      kind = Break::Lf;
    } else if (file[i] == U'\r') {
      kind = Break::Cr;
    } else {
      chars_.push_back(file[i]);
      continue;
    }
    chars_ += U"\r\n";
    breaks_.push_back(kind);
    ++counts[static_cast<int>(kind)];
  }
  // Lines typed into a LF-only unit are LF-only too; a tie keeps the platform's CR LF.
  if (counts[1] > counts[0] && counts[1] >= counts[2]) new_break_ = Break::Lf;
  if (counts[2] > counts[0] && counts[2] > counts[1]) new_break_ = Break::Cr;
}

std::string SourceEditor::Text() const {
  return ToUtf8(chars_);
}

std::string SourceEditor::FileText() const {
  std::u32string file;
  file.reserve(chars_.size());
  size_t next = 0;
  for (size_t i = 0; i < chars_.size(); ++i) {
    const bool pair = chars_[i] == U'\r' && i + 1 < chars_.size() && chars_[i + 1] == U'\n';
    if (!pair && chars_[i] != U'\n') {
      file.push_back(chars_[i]);
      continue;
    }
    const Break kind = next < breaks_.size() ? breaks_[next] : new_break_;
    ++next;
    if (pair) ++i;
    file += kind == Break::CrLf ? U"\r\n" : kind == Break::Lf ? U"\n" : U"\r";
  }
  return ToUtf8(file);
}

size_t SourceEditor::BreakIndex(size_t pos) const {
  return static_cast<size_t>(std::count(chars_.begin(), chars_.begin() + pos, U'\n'));
}

std::shared_ptr<IOTAEditReader> SourceEditor::CreateReader() {
  return std::make_shared<Reader>(shared_from_this());
}

std::shared_ptr<IOTAEditWriter> SourceEditor::CreateUndoableWriter() {
  return std::make_shared<Writer>(shared_from_this());
}

std::shared_ptr<IOTAEditView> SourceEditor::GetEditView(int index) {
  if (index != 0) return nullptr;
  return std::make_shared<View>(shared_from_this());
}

std::shared_ptr<IOTAEditPosition> SourceEditor::GetEditPosition() {
  return std::make_shared<Position>(shared_from_this());
}

void SourceEditor::BeginUndoStep() {
  if (open_steps_++ == 0) undo_.emplace_back();
}

void SourceEditor::EndUndoStep() {
  if (open_steps_ > 0 && --open_steps_ == 0 && undo_.back().empty()) undo_.pop_back();
}

void SourceEditor::Replace(size_t pos, size_t count, const std::u32string& text) {
  pos = std::min(pos, chars_.size());
  count = std::min(count, chars_.size() - pos);
  if (count == 0 && text.empty()) return;
  // The breaks removed keep their kind for an undo; the breaks inserted are new ones.
  const size_t first = BreakIndex(pos);
  const auto removed_breaks =
      static_cast<size_t>(std::count(chars_.begin() + pos, chars_.begin() + pos + count, U'\n'));
  Edit edit{pos, chars_.substr(pos, count), text,
            std::vector<Break>(breaks_.begin() + first, breaks_.begin() + first + removed_breaks)};
  breaks_.erase(breaks_.begin() + first, breaks_.begin() + first + removed_breaks);
  breaks_.insert(breaks_.begin() + first, std::count(text.begin(), text.end(), U'\n'), new_break_);
  chars_.replace(pos, count, text);
  if (open_steps_ > 0) undo_.back().push_back(std::move(edit));
  modified_ = true;
}

bool SourceEditor::Undo() {
  if (undo_.empty() || open_steps_ > 0) return false;
  std::vector<Edit> step = std::move(undo_.back());
  undo_.pop_back();
  for (auto it = step.rbegin(); it != step.rend(); ++it) {
    const size_t first = BreakIndex(it->pos);
    breaks_.erase(
        breaks_.begin() + first,
        breaks_.begin() + first + std::count(it->inserted.begin(), it->inserted.end(), U'\n'));
    breaks_.insert(breaks_.begin() + first, it->removed_breaks.begin(), it->removed_breaks.end());
    chars_.replace(it->pos, it->inserted.size(), it->removed);
  }
  modified_ = true;
  return true;
}

size_t SourceEditor::OffsetOf(int line, int column) const {
  size_t pos = 0;
  for (int l = 1; l < line; ++l) {
    const size_t lf = chars_.find(U'\n', pos);
    if (lf == std::u32string::npos) return chars_.size();
    pos = lf + 1;
  }
  size_t line_end = chars_.find(U'\n', pos);
  if (line_end == std::u32string::npos) line_end = chars_.size();
  if (line_end > pos && chars_[line_end - 1] == U'\r') --line_end;
  return std::min(pos + static_cast<size_t>(std::max(column, 1) - 1), line_end);
}

}  // namespace ide
