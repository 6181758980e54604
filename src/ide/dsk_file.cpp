#include "ide/dsk_file.h"

#include "ide/file_system.h"
#include "ide/pascal_lexer.h"
#include "platform/variant.h"

namespace ide {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

std::string_view Trimmed(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// Names compare as the INI functions compare them: letter case ignored.
bool SameName(std::string_view a, std::string_view b) {
  return SameIdentifier(a, b);
}

}  // namespace

std::unique_ptr<DskFile> DskFile::Parse(std::string path, std::string_view bytes,
                                        std::string* err) {
  std::unique_ptr<DskFile> file(new DskFile());
  file->path_ = std::move(path);
  file->encoding_ = DetectEncoding(bytes);
  file->line_break_ = std::string(LineBreakOf(bytes));
  // Lines are split on the bytes and decoded one by one, so that lines left alone are
  // written back byte for byte, whatever they hold.
  const TextEncoding line_encoding =
      file->encoding_ == TextEncoding::Windows1252 ? TextEncoding::Windows1252 : TextEncoding::Utf8;
  size_t pos = file->encoding_ == TextEncoding::Utf8Bom ? 3 : 0;
  while (pos < bytes.size()) {
    size_t lf = bytes.find('\n', pos);
    size_t end = lf == std::string_view::npos ? bytes.size() : lf;
    size_t text_end = end > pos && bytes[end - 1] == '\r' ? end - 1 : end;
    Line line;
    line.raw = std::string(bytes.substr(pos, text_end - pos));
    line.text = DecodeText(*line.raw, line_encoding);
    line.brk = std::string(
        bytes.substr(text_end, (lf == std::string_view::npos ? end : lf + 1) - text_end));
    pos = lf == std::string_view::npos ? bytes.size() : lf + 1;

    std::string_view content = Trimmed(line.text);
    if (!content.empty() && content[0] == '[') {
      size_t close = content.find(']');
      if (close == std::string_view::npos) {
        *err = SourceLocation(file->path_, bytes, text_end, file->encoding_) +
               ": expected ']' closing the section name, found end of line";
        return nullptr;
      }
      line.section = std::string(Trimmed(content.substr(1, close - 1)));
    } else if (!content.empty() && content[0] != ';') {
      size_t equals = line.text.find('=');
      if (equals != std::string::npos && !Trimmed(line.text.substr(0, equals)).empty())
        line.key_end = equals;
    }
    file->lines_.push_back(std::move(line));
  }
  return file;
}

std::unique_ptr<DskFile> DskFile::Load(FileSystem& fs, const std::string& path, std::string* err) {
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return nullptr;
  return Parse(path, bytes, err);
}

std::vector<std::string> DskFile::Sections() const {
  std::vector<std::string> sections;
  for (const Line& line : lines_)
    if (!line.section.empty()) sections.push_back(line.section);
  return sections;
}

size_t DskFile::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (!lines_[i].section.empty() && SameName(lines_[i].section, section)) return i;
  return kNone;
}

size_t DskFile::FindKey(size_t header, std::string_view key) const {
  for (size_t i = header + 1; i < lines_.size() && lines_[i].section.empty(); ++i) {
    const Line& line = lines_[i];
    if (line.key_end && SameName(Trimmed(std::string_view(line.text).substr(0, line.key_end)), key))
      return i;
  }
  return kNone;
}

std::optional<std::string> DskFile::Value(std::string_view section, std::string_view key) const {
  size_t header = FindSection(section);
  if (header == kNone) return std::nullopt;
  size_t at = FindKey(header, key);
  if (at == kNone) return std::nullopt;
  return std::string(Trimmed(std::string_view(lines_[at].text).substr(lines_[at].key_end + 1)));
}

int32_t DskFile::Integer(std::string_view section, std::string_view key, int32_t fallback) const {
  auto value = Value(section, key);
  int32_t number;
  if (!value || !platform::TryStrToInt(*value, number)) return fallback;
  return number;
}

void DskFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  size_t header = FindSection(section);
  if (header == kNone) {
    // A new section is set off from the one before by a blank line, as the IDE writes it.
    if (!lines_.empty()) {
      if (lines_.back().brk.empty()) lines_.back().brk = line_break_;
      if (!Trimmed(lines_.back().text).empty()) lines_.push_back({"", line_break_, "", 0});
    }
    lines_.push_back({"[" + std::string(section) + "]", line_break_, std::string(section), 0});
    lines_.push_back({std::string(key) + "=" + std::string(value), line_break_, "", key.size()});
    return;
  }
  size_t at = FindKey(header, key);
  if (at != kNone) {
    Line& line = lines_[at];
    if (Trimmed(std::string_view(line.text).substr(line.key_end + 1)) == value) return;
    line.text = line.text.substr(0, line.key_end + 1) + std::string(value);
    line.raw.reset();
    return;
  }
  // After the section's last non-blank line.
  size_t last = header;
  for (size_t i = header + 1; i < lines_.size() && lines_[i].section.empty(); ++i)
    if (!Trimmed(lines_[i].text).empty()) last = i;
  if (lines_[last].brk.empty()) lines_[last].brk = line_break_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                {std::string(key) + "=" + std::string(value), line_break_, "", key.size()});
}

std::vector<DskWindow> DskFile::Windows() const {
  std::vector<DskWindow> windows;
  for (const std::string& section : Sections()) {
    if (!Value(section, "Left") || !Value(section, "Top") || !Value(section, "Width") ||
        !Value(section, "Height"))
      continue;
    DskWindow window;
    window.section = section;
    window.left = Integer(section, "Left", 0);
    window.top = Integer(section, "Top", 0);
    window.width = Integer(section, "Width", 0);
    window.height = Integer(section, "Height", 0);
    window.create = Integer(section, "Create", 0) != 0;
    window.visible = Integer(section, "Visible", 0) != 0;
    window.docked = Integer(section, "Docked", section.find('@') != std::string::npos) != 0;
    window.state = Integer(section, "State", 0);
    windows.push_back(std::move(window));
  }
  return windows;
}

void DskFile::SetWindow(const DskWindow& window) {
  // A key the file leaves out is added only when the window differs from what its
  // absence means.
  auto set = [&](std::string_view key, int32_t value) {
    if (!Value(window.section, key) && value == 0) return;
    if (Integer(window.section, key, value + 1) == value) return;
    SetValue(window.section, key, std::to_string(value));
  };
  set("Left", window.left);
  set("Top", window.top);
  set("Width", window.width);
  set("Height", window.height);
  set("State", window.state);
  set("Visible", window.visible ? 1 : 0);
}

bool DskFile::Write(std::string* bytes, std::string* err) const {
  bytes->clear();
  if (encoding_ == TextEncoding::Utf8Bom) bytes->append("\xEF\xBB\xBF");
  const TextEncoding line_encoding =
      encoding_ == TextEncoding::Windows1252 ? TextEncoding::Windows1252 : TextEncoding::Utf8;
  std::string encoded;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.raw) {
      bytes->append(*line.raw);
    } else if (EncodeText(line.text, line_encoding, &encoded, err)) {
      bytes->append(encoded);
    } else {
      // The encoder counts lines of the one line it was given; name the file's.
      *err = path_ + ": line " + std::to_string(i + 1) + err->substr(err->find(':'));
      return false;
    }
    bytes->append(line.brk);
  }
  return true;
}

bool DskFile::Save(FileSystem& fs, const std::string& path, std::string* err) const {
  std::string bytes;
  return Write(&bytes, err) && fs.WriteFile(path, bytes, err);
}

}  // namespace ide
