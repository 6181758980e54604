// DskFile: a project's desktop file (.dsk), the INI file in which the IDE keeps the places
// of its windows. Every line is kept as read; writing back changes only the keys set.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ide/text_encoding.h"

namespace ide {

class FileSystem;

// One IDE window as the desktop file records it ([Main Window], [ObjectInspector],
// [EditWindow0], [CodeExplorer@EditWindow0], ...).
struct DskWindow {
  std::string section;  // the section's name, as written
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool create = false;   // Create=1: the IDE creates the window on loading the desktop
  bool visible = false;  // Visible=1
  bool docked = false;   // Docked=1, or a section named Window@Host
  int32_t state = 0;     // State: 0 normal, 1 minimised, 2 maximised
};

class DskFile {
 public:
  // Reads desktop file bytes; nullptr with *err ("file:line:column: expected X, found Y")
  // when a section header is not closed.
  static std::unique_ptr<DskFile> Parse(std::string path, std::string_view bytes, std::string* err);
  static std::unique_ptr<DskFile> Load(FileSystem& fs, const std::string& path, std::string* err);

  // Section names in file order.
  std::vector<std::string> Sections() const;
  // The value of a key (section and key letter case ignored, the first of duplicates),
  // or nothing when the section or key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The value as an integer, or fallback when missing or not a number.
  int32_t Integer(std::string_view section, std::string_view key, int32_t fallback) const;

  // Sets a key: its value is replaced in place, a new key goes after the section's last
  // key, and a new section at the end of the file. Setting the same text changes nothing.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  // The sections that place a window: those with Left, Top, Width and Height.
  std::vector<DskWindow> Windows() const;
  // Writes a window's bounds, state and visibility back under its section.
  void SetWindow(const DskWindow& window);

  // The file's bytes in its own encoding; false with *err when a value set since loading
  // cannot be written in it.
  bool Write(std::string* bytes, std::string* err) const;
  bool Save(FileSystem& fs, const std::string& path, std::string* err) const;

 private:
  struct Line {
    std::string text;     // without its line break, in UTF-8
    std::string brk;      // "\r\n", "\n" or "" for the last line
    std::string section;  // set on section header lines
    size_t key_end = 0;   // for key lines: the end of the key; 0 otherwise
    // The line's bytes as read, written back as they are until the line changes.
    std::optional<std::string> raw = std::nullopt;
  };

  // Index of the header line of a section, or npos.
  size_t FindSection(std::string_view section) const;
  // Index of a key line within the section starting at header, or npos.
  size_t FindKey(size_t header, std::string_view key) const;

  std::string path_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  std::string line_break_;
  std::vector<Line> lines_;
};

}  // namespace ide
