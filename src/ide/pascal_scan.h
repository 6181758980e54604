// Light scanning of Object Pascal sources for what the host needs to open a project: a
// form class's ancestor and the units a program names. Not a parser: it skips comments
// and strings and looks for the few shapes these declarations take.
#pragma once

#include <string>
#include <vector>

namespace ide {

// The text with comments and string literals blanked (line breaks kept), so a search
// sees only code at the same offsets.
std::string CodeOnly(const std::string& text);

// The ancestor in "TForm1 = class(TForm)" of the declaration of class_name, or empty
// when the text does not declare it (letter case ignored).
std::string FormClassAncestor(const std::string& unit_text, const std::string& class_name);

// Byte offset of the field declaration named field in the declaration of class_name
// ("Edit1: TEdit;" or "Edit1, Edit2: TEdit;"), or npos when the class declares no such
// field (letter case ignored). Uses of the name in method bodies are not fields.
size_t FindFormField(const std::string& unit_text, const std::string& class_name,
                     const std::string& field);

// One entry of a program's uses clause: "uMain in 'Forms\uMain.pas' {frmMain}".
struct UsesEntry {
  std::string unit;   // uMain
  std::string path;   // Forms\uMain.pas as written; empty without "in"
  std::string form;   // frmMain, or empty without a {form} comment
  std::string where;  // "line:column" of the unit name, 1-based
};

// The entries of the first uses clause of a program or library text; false with *what
// ("line:column: expected ..., found ...") when the clause is missing or not closed.
bool ProgramUses(const std::string& text, std::vector<UsesEntry>* entries, std::string* what);

}  // namespace ide
