// SourceEditor: the source buffer of a unit as the code editor holds it: readers, undoable
// writers, one edit view with a cursor, and the buffer's edit position. The text is held
// as characters so offsets and counts are characters, whatever the file's encoding. Like
// the IDE's editor, the buffer shows every line break as CR LF whatever the file holds;
// each break remembers what it was in the file, so saving gives the file its own breaks
// back (new breaks take the file's most common kind).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ide/ToolsAPI.h"

namespace ide {

class SourceEditor : public IOTAEditBuffer, public std::enable_shared_from_this<SourceEditor> {
 public:
  // text: the unit's text in UTF-8 (no BOM), with the file's own line breaks.
  SourceEditor(std::weak_ptr<IOTAModule> module, std::string file_name, const std::string& text);

  // The whole buffer as UTF-8, every line break CR LF.
  std::string Text() const;
  // The whole buffer as UTF-8 with the file's own line breaks, as it is saved.
  std::string FileText() const;
  // Takes back the last undoable change (one writer, or one delete); false when none.
  bool Undo();
  // Forgets the modified mark (after a save).
  void ClearModified() { modified_ = false; }

  // Gives a buffer made before its module (read ahead on another thread) its module.
  void SetModule(std::weak_ptr<IOTAModule> module) { module_ = std::move(module); }

  // IOTAEditor
  std::string GetFileName() override { return file_name_; }
  std::shared_ptr<IOTAModule> GetModule() override { return module_.lock(); }
  bool GetModified() override { return modified_; }
  void MarkModified() override { modified_ = true; }
  // IOTASourceEditor
  std::shared_ptr<IOTAEditReader> CreateReader() override;
  std::shared_ptr<IOTAEditWriter> CreateUndoableWriter() override;
  int GetEditViewCount() override { return 1; }
  std::shared_ptr<IOTAEditView> GetEditView(int index) override;
  // IOTAEditBuffer
  std::shared_ptr<IOTAEditPosition> GetEditPosition() override;

  // Character-level access for the readers, writers and positions of this buffer.
  const std::u32string& Chars() const { return chars_; }
  // Replaces count characters at pos with text, recorded in the open undo step.
  void Replace(size_t pos, size_t count, const std::u32string& text);
  void BeginUndoStep();
  void EndUndoStep();
  // Offset of line (1-based) and column (1-based), clamped to the buffer.
  size_t OffsetOf(int line, int column) const;
  TOTAEditPos cursor;  // the cursor of view 0

 private:
  // What a line break was in the file.
  enum class Break : uint8_t { CrLf, Lf, Cr };
  struct Edit {
    size_t pos;
    std::u32string removed;
    std::u32string inserted;
    std::vector<Break> removed_breaks;
  };

  // Index in breaks_ of the first line break at or after pos.
  size_t BreakIndex(size_t pos) const;

  std::weak_ptr<IOTAModule> module_;
  std::string file_name_;
  std::u32string chars_;
  std::vector<Break> breaks_;  // one per line feed of chars_, in order
  Break new_break_ = Break::CrLf;
  bool modified_ = false;
  int open_steps_ = 0;
  std::vector<std::vector<Edit>> undo_;
};

// UTF-8 to characters and back; malformed bytes become U+FFFD.
std::u32string ToChars(const std::string& utf8);
std::string ToUtf8(const std::u32string& chars);

}  // namespace ide
