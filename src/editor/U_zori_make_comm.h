// U_zori_make_comm: the comment generator. Writes a framed header comment above the
// routine (or unit) declaration at the cursor of the code editor: the declaration is parsed
// from the source buffer, a header written earlier for the same name is read back, the
// user completes everything in the comment manager, and the new header replaces the old
// one (or goes in at the cursor line) as one undoable edit.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/U_zori_func.h"
#include "ide/ToolsAPI.h"

namespace platform {
class TObject;
}

// The command: the source editor of the current module, the start of the cursor line,
// then the worker below. Errors before the window (no source editor, parse errors) are
// raised to the caller.
void CommentCurrentStatement();
// The command as an editor key binding; the binding result is krHandled.
void CommentCurrentStatement(const std::shared_ptr<ide::IOTAKeyContext>& Context,
                             ide::TShortCut KeyCode, ide::TKeyBindingResult& BindingResult);
// The worker: builds and writes the header for the declaration at character offset
// Posicao (the start of the cursor line).
void CommentCurrentStatement(const std::shared_ptr<ide::IOTASourceEditor>& SourceEditor,
                             int Posicao);
// The command for a menu item's click.
void MenuClick(platform::TObject* Sender);

// The source editor of the current module; raises "Unable to find IOTASourceEditor
// interface!!!" when there is none.
void PR_Encontra_Source(std::shared_ptr<ide::IOTASourceEditor>& SourceEditor);

// Character offset of the start of the cursor line of view 0; also replaces the block
// lines with the lines around it. Raises when the cursor line lies past the end.
int FetchCurrentPosition(const std::shared_ptr<ide::IOTASourceEditor>& SourceEditor);

// Finds the header written earlier for Nome among the block lines and reads it back into
// the comment manager's tables. Empty when there is none; else start|end||count|||.
std::string FN_Comentario(const std::string& Nome);

// Reloads the comment configuration; raises when its frame characters could not be told
// apart when the header is read back.
void PR_Inicializa_Variaveis();

// The header text for declaration Nome (result type Retorno, empty for none) from the
// comment manager's tables and the loaded configuration.
std::string FN_Monta_Comentario(const std::string& Nome, const std::string& Retorno);
