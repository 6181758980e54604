#include "editor/U_zori_make_comm.h"

#include <algorithm>
#include <cctype>

#include "editor/U_funcoes_ideditor.h"
#include "editor/U_zori_manager_comm.h"
#include "ide/source_editor.h"
#include "platform/application.h"
#include "platform/client_dataset.h"
#include "platform/com_controls.h"
#include "platform/exceptions.h"

namespace {

// The editor's buffer is read in blocks of this many characters.
constexpr int kBloco = 8191;
constexpr const char* kCRLF = "\r\n";

// Lines of the buffer around the start of the cursor line (the block holding it and the
// one before, from its first whole line), and how many line breaks come before them.
std::vector<std::string> v_Linhas_Bloco;
int v_Quebras_Antes = 0;
// The old header as FN_Comentario collected it (each line preceded by a line break).
std::string v_Texto_Antigo;
// The comment configuration and its frame characters and line length.
std::unique_ptr<platform::TClientDataSet> v_cds_Config;
TComment_Frame v_Frame;
int v_Tamanho = 0;
const std::string v_Separador = "|";

// Character-level helpers over UTF-8 text; positions are 1-based, 0 is "not found".
size_t Len(const std::string& s) {
  return ide::ToChars(s).size();
}

std::string Copy(const std::string& s, int index, int count) {
  const std::u32string c = ide::ToChars(s);
  if (index < 1 || count <= 0 || static_cast<size_t>(index) > c.size()) return {};
  return ide::ToUtf8(c.substr(index - 1, count));
}

int Pos(const std::string& sub, const std::string& s) {
  const size_t at = s.find(sub);
  return at == std::string::npos ? 0 : static_cast<int>(Len(s.substr(0, at))) + 1;
}

std::string Trim(const std::string& s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

std::string P(const std::string& text, const std::string& fill, int width) {
  return FN_Prepara_String(text, fill, width, true);
}

std::string W(const std::string& text, int width) {
  return FN_Quebra_Linhas(text, v_Frame.TX_CHAR_FIM, width);
}

// A label of the comment configuration.
std::string Rotulo(const char* field) {
  return v_cds_Config->FieldByName(field)->AsString();
}

std::string Campo(platform::TDataSet& dataset, const char* field) {
  return dataset.FieldByName(field)->AsString();
}

std::string Titulo() {
  return vg_Desc_Zori;
}

std::string Marca_Inicio(const std::string& nome) {
  const std::string& l = v_Frame.TX_CHAR_LIN_ESP;
  return "{" + l + l + " " + Titulo() + " " + l + l + " " + nome;
}

std::string Marca_Fim(const std::string& nome) {
  const std::string& l = v_Frame.TX_CHAR_LIN_ESP;
  return l + l + l + " " + Titulo() + " " + l + l + " " + nome;
}

// True when line holds mark followed only by the line fill, the closing brace of the last
// line, or nothing: the name must match whole, so "Foo" never takes the header of "FooBar".
bool Contem_Marca(const std::string& line, const std::string& mark) {
  for (size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, at + 1)) {
    std::string rest = Trim(line.substr(at + mark.size()));
    if (!rest.empty() && rest.back() == '}') rest.pop_back();
    const std::string& fill = v_Frame.TX_CHAR_LIN_ESP;
    size_t i = 0;
    while (!fill.empty() && rest.compare(i, fill.size(), fill) == 0) i += fill.size();
    if (i == rest.size()) return true;
  }
  return false;
}

std::vector<std::string> Linhas(const std::u32string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t lf = text.find(U'\n', start);
    std::u32string line = text.substr(start, lf == std::u32string::npos ? lf : lf - start);
    if (!line.empty() && line.back() == U'\r') line.pop_back();
    lines.push_back(ide::ToUtf8(line));
    if (lf == std::u32string::npos) break;
    start = lf + 1;
  }
  return lines;
}

// Whether the text from character position pos (blanks first) is a routine keyword.
bool StartsRoutine(const std::string& text, size_t pos) {
  const std::u32string chars = ide::ToChars(text);
  while (pos < chars.size() && (chars[pos] == U' ' || chars[pos] == U'\t')) ++pos;
  size_t end = pos;
  while (end < chars.size() && chars[end] < 128 && std::isalpha(static_cast<int>(chars[end])))
    ++end;
  std::string word = ide::ToUtf8(chars.substr(pos, end - pos));
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word == "procedure" || word == "function" || word == "constructor" || word == "destructor";
}

// The read-back of the history rows of the collected header R into cds_hist.
void Le_Historico(const std::string& R, platform::TDataSet& hist) {
  const std::string& S = v_Frame.TX_CHAR_INI;
  const std::string& E = v_Frame.TX_CHAR_FIM;
  const std::string& L = v_Frame.TX_CHAR_LIN_ESP;
  std::string r = R;
  const std::string H = FN_Copia_Texto(S + " " + P(Rotulo("TX_DT_HIST"), " ", 10) + v_Separador,
                                       E + kCRLF + L, r, true, false);
  const std::string row_mark = E + kCRLF + S;
  std::string T = H + row_mark;
  T.erase(0, T.find(row_mark) + E.size());  // the rest of the title row
  T = row_mark + Trim(T);
  int passes = 0;
  while (!T.empty() && T.find(S) != std::string::npos) {
    std::string Row = FN_Copia_Texto(row_mark, row_mark, T, true, false);
    if (Row.empty()) Row = FN_Copia_Texto(row_mark, E + kCRLF + L, T, true, false);
    const std::u32string chars = ide::ToChars(T);
    T = ide::ToUtf8(chars.substr(std::min(chars.size(), Len(Row) + 2)));
    Row = FN_Remove_Especiais(v_Frame, Row, 1, static_cast<int>(Len(Row)), "");
    const int k = Pos(v_Separador, Row) - 1;
    if (k > 0 && Len(Trim(Copy(Row, 1, k))) >= 6) {
      std::string rest = ide::ToUtf8(ide::ToChars(Row).substr(k + 1));
      const int bar = Pos(v_Separador, rest);
      const std::string developer = bar > 0 ? Copy(rest, 1, bar - 1) : rest;
      rest = bar > 0 ? ide::ToUtf8(ide::ToChars(rest).substr(bar)) : std::string();
      hist.Append();
      hist.FieldByName("DT_COMMENT")->SetAsString(Trim(Copy(Row, 1, k)));
      hist.FieldByName("NM_DEVELOPER")->SetAsString(Trim(developer));
      hist.FieldByName("TX_COMMENT")->SetAsString(Trim(rest));
      hist.Post();
    }
    if (++passes == 50) {
      PR_Mensagem("", "loop infinito" + T);
      T.clear();
    }
  }
}

}  // namespace

void PR_Inicializa_Variaveis() {
  v_cds_Config.reset();
  v_cds_Config = std::make_unique<platform::TClientDataSet>();
  PR_Abre_DataSet(*v_cds_Config, "ZORIIDEx_Config_Comment.xml");
  v_cds_Config->CheckActive();
  // The generator only reads the configuration: freeing its copy must not write it back
  // over what the user has just saved in the comment manager.
  v_cds_Config->SetFileName("");
  if (v_cds_Config->IsEmpty()) {
    throw platform::EDatabaseError("ZORIIDEx_Config_Comment.xml holds no comment configuration");
  }
  v_cds_Config->First();
  v_Frame.TX_CHAR_LIN_ESP = Rotulo("TX_CHAR_LIN_ESP");
  v_Frame.TX_CHAR_INI = Rotulo("TX_CHAR_INI");
  v_Frame.TX_CHAR_FIM = Rotulo("TX_CHAR_FIM");
  v_Tamanho = v_cds_Config->FieldByName("NR_CARACTERES")->AsInteger();
  const std::string rule =
      FN_Regra_Caracteres(v_Frame.TX_CHAR_LIN_ESP, v_Frame.TX_CHAR_INI, v_Frame.TX_CHAR_FIM);
  if (!rule.empty()) throw platform::EDatabaseError(rule);
}

void PR_Encontra_Source(std::shared_ptr<ide::IOTASourceEditor>& SourceEditor) {
  SourceEditor.reset();
  auto services = ide::Supports<ide::IOTAModuleServices>(ide::BorlandIDEServices);
  std::shared_ptr<ide::IOTAModule> module = services ? services->CurrentModule() : nullptr;
  if (module != nullptr) {
    for (int i = 0; i < module->GetModuleFileCount() && SourceEditor == nullptr; ++i) {
      SourceEditor = ide::Supports<ide::IOTASourceEditor>(module->GetModuleFileEditor(i));
    }
  }
  if (SourceEditor == nullptr) {
    throw platform::Exception("Unable to find IOTASourceEditor interface!!!");
  }
}

int FetchCurrentPosition(const std::shared_ptr<ide::IOTASourceEditor>& SourceEditor) {
  auto view = SourceEditor->GetEditView(0);
  auto reader = SourceEditor->CreateReader();
  const int K = view->GetCursorPos().Line;
  int result = K <= 1 ? 0 : -1;
  int start = 0;
  int breaks_before = 0;  // line breaks before the block at start
  std::u32string block;
  std::u32string previous;
  int previous_start = -1;
  int previous_breaks = 0;
  int counted = 0;
  for (;;) {
    std::string buffer;
    if (reader->GetText(start, buffer, kBloco) <= 0) {
      block.clear();
      break;
    }
    block = ide::ToChars(buffer);
    if (result == 0) break;
    for (size_t i = 0; i < block.size() && result < 0; ++i) {
      // Each carriage return and the line feed after it end one line.
      if (block[i] == U'\r' && ++counted == K - 1) result = start + static_cast<int>(i) + 2;
    }
    if (result >= 0) break;
    previous = block;
    previous_start = start;
    previous_breaks = breaks_before;
    breaks_before += static_cast<int>(std::count(block.begin(), block.end(), U'\n'));
    start += static_cast<int>(block.size());
  }
  if (result < 0) {
    throw platform::Exception("The cursor line " + std::to_string(K) +
                              " lies past the end of the unit (" + std::to_string(counted + 1) +
                              " lines)");
  }
  // The block before is read back too, so a header across a block's edge is still found;
  // the lines start at a whole line.
  std::u32string text = block;
  int first = start;
  v_Quebras_Antes = breaks_before;
  if (previous_start >= 0) {
    text = previous + block;
    first = previous_start;
    v_Quebras_Antes = previous_breaks;
  }
  if (first > 0) {
    std::string before;
    reader->GetText(first - 1, before, 1);
    if (before != "\n") {
      const size_t lf = text.find(U'\n');
      text.erase(0, lf == std::u32string::npos ? text.size() : lf + 1);
      ++v_Quebras_Antes;
    }
  }
  v_Linhas_Bloco = Linhas(text);
  return result;
}

std::string FN_Comentario(const std::string& Nome) {
  const std::string inicio = Marca_Inicio(Nome);
  const std::string fim = Marca_Fim(Nome);
  bool found = false;
  bool closed = false;
  int start = 0;
  int end = 0;
  std::string R;
  for (size_t i = 0; i < v_Linhas_Bloco.size(); ++i) {
    const std::string& line = v_Linhas_Bloco[i];
    if (Contem_Marca(line, inicio)) {
      // A header whose first line opens the lines is found like any other.
      found = true;
      start = static_cast<int>(i);
      R.clear();
    } else if (Contem_Marca(line, fim)) {
      end = static_cast<int>(i);
      if (found) {
        R += kCRLF + line;
        closed = true;
      }
      break;
    }
    if (found) R += kCRLF + line;
  }
  // A header whose last line is missing is no header: deleting it would take the code below.
  if (!found || !closed) {
    v_Texto_Antigo.clear();
    return {};
  }
  v_Texto_Antigo = R;

  PR_Inicializa_Variaveis();
  TF_ZORI_Manager_Comm& w = *F_ZORI_Manager_Comm;
  platform::TDataSet& actual = *w.cds_actual_comm;
  const std::string& S = v_Frame.TX_CHAR_INI;
  const std::string& E = v_Frame.TX_CHAR_FIM;
  const std::string& L = v_Frame.TX_CHAR_LIN_ESP;
  const std::string analista = S + " " + Rotulo("TX_ANALISTA");

  // Description.
  std::string desc = FN_Copia_Texto(S + " " + Rotulo("TX_DESCRICAO") + ": ",
                                    P(analista, " ", 29) + v_Separador, R, true, false);
  actual.FieldByName("TX_DESCRICAO")->SetAsString(FN_Remove_Caracteres(E + L + S, desc));

  // Value row: fixed columns after the start character and blank.
  const int at = Pos(analista, R);
  if (at > 0) {
    const std::string X = Copy(R, at, 3 * v_Tamanho);
    const int p = Pos(E, X);
    const std::string row = Copy(X, p + 5, p + 2);
    actual.FieldByName("NM_ANALISTA")->SetAsString(Trim(Copy(row, 1, 27)));
    actual.FieldByName("NM_PROGRAMADOR")->SetAsString(Trim(Copy(row, 29, 29)));
    actual.FieldByName("DT_COMMENT")->SetAsString(Trim(Copy(row, 59, 10)));
    actual.FieldByName("HR_COMMENT")->SetAsString(Trim(Copy(row, 70, 7)));
  }

  // Parameter descriptions (the first line of each).
  platform::TDataSet& params = *w.cds_Params;
  params.First();
  while (!params.Eof()) {
    std::string X = FN_Copia_Texto(S + " " + Campo(params, "TX_NM_PAR") + " : ", E, R, true, false);
    X += E;
    const std::string text = Trim(FN_Copia_Texto(v_Separador, E, X, true, false));
    if (!text.empty()) {
      params.Edit();
      params.FieldByName("TX_DESCRIPTION")->SetAsString(text);
      params.Post();
    }
    params.Next();
  }
  if (params.IsEmpty()) {
    w.tbsh_Params_Comm->SetVisible(false);
    w.tbsh_Params_Comm->SetPropValue("TabVisible", false);
  }

  // Result description.
  const std::string retorno = S + " " + Rotulo("TX_RETORNO") + ": ";
  if (R.find(retorno) != std::string::npos) {
    std::string X = FN_Copia_Texto(retorno, E, R, true, false) + E;
    actual.FieldByName("TX_RESULT")
        ->SetAsString(Trim(FN_Copia_Texto(v_Separador, E, X, true, false)));
  }

  Le_Historico(R, *w.cds_hist);
  const int count =
      static_cast<int>(Len(R)) - static_cast<int>(std::count(R.begin(), R.end(), '\r'));
  v_cds_Config.reset();
  return std::to_string(start) + "|" + std::to_string(end) + "||" + std::to_string(count) + "|||";
}

std::string FN_Monta_Comentario(const std::string& Nome, const std::string& Retorno) {
  TF_ZORI_Manager_Comm& w = *F_ZORI_Manager_Comm;
  platform::TDataSet& actual = *w.cds_actual_comm;
  const std::string& S = v_Frame.TX_CHAR_INI;
  const std::string& E = v_Frame.TX_CHAR_FIM;
  const std::string& L = v_Frame.TX_CHAR_LIN_ESP;
  const int N = v_Tamanho;
  std::string h;
  h += P(Marca_Inicio(Nome), L, N);
  h += kCRLF +
       P(S + " " + Rotulo("TX_IDENTIFICADOR") + ": " + Trim(Campo(actual, "TX_IDENTIFICADOR")), " ",
         N - 1) +
       E;
  h += kCRLF + W(S + " " + Rotulo("TX_DESCRICAO") + ": " + Trim(Campo(actual, "TX_DESCRICAO")), N);
  h += P(S + " " + Rotulo("TX_ANALISTA"), " ", 29) + v_Separador +
       P(Rotulo("TX_PROGRAMADOR"), " ", 29) + v_Separador +
       P(Rotulo("TX_DT_COMMENT") + " / " + Rotulo("TX_HR_COMMENT"), " ", N - 61) + E + kCRLF;
  // The value row is read back by column, so the names are cut to their columns.
  const std::string analista = Copy(Trim(Campo(actual, "NM_ANALISTA")), 1, 27);
  const std::string programador = Copy(Trim(Campo(actual, "NM_PROGRAMADOR")), 1, 28);
  h += P(S + " " + analista, " ", 29) + v_Separador + P(programador, " ", 29) + v_Separador +
       P(Campo(actual, "DT_COMMENT") + " " + Campo(actual, "HR_COMMENT"), " ", N - 61) + E;
  platform::TDataSet& params = *w.cds_Params;
  if (!params.IsEmpty()) {
    h += kCRLF + P(S + " " + Rotulo("TX_PARAMETROS") + ":", "-", N - 1) + E + kCRLF;
    params.First();
    while (!params.Eof()) {
      h += W(S + " " + Campo(params, "TX_NM_PAR") + " : " + Campo(params, "TX_TYPE") + " " +
                 v_Separador + " " + Trim(Campo(params, "TX_DESCRIPTION")),
             N);
      params.Next();
    }
    h += P(S + " " + Rotulo("TX_END_PARAMETROS") + ":", "-", N - 1) + E;
  }
  if (!Retorno.empty()) {
    h += kCRLF +
         P(S + " " + Rotulo("TX_RETORNO") + ": " + Retorno + v_Separador + " " +
               Trim(Campo(actual, "TX_RESULT")),
           " ", N - 1) +
         E;
  }
  h += kCRLF + P(S + " " + Rotulo("TX_HIST_REV") + ": ", "-", N - 1) + E + kCRLF;
  h += S + " " +
       P(P(Rotulo("TX_DT_HIST"), " ", 10) + v_Separador + P(Rotulo("TX_PROG_HIST"), " ", 13) + " " +
             v_Separador + Rotulo("TX_DESC_HIST"),
         " ", N - 3) +
       E + kCRLF;
  platform::TDataSet& hist = *w.cds_hist;
  hist.First();
  while (!hist.Eof()) {
    h += W(S + " " + Campo(hist, "DT_COMMENT") + v_Separador + " " +
               Copy(P(Campo(hist, "NM_DEVELOPER"), " ", 13), 1, 13) + v_Separador + " " +
               Campo(hist, "TX_COMMENT"),
           N);
    hist.Next();
  }
  h += P(Marca_Fim(Nome), L, N - 1) + "}" + kCRLF;
  return h;
}

void CommentCurrentStatement(const std::shared_ptr<ide::IOTASourceEditor>& SourceEditor,
                             int Posicao) {
  std::string source;
  SourceEditor->CreateReader()->GetText(Posicao, source, kBloco);
  TZORIEditorParser first;
  first.Source = source.c_str();
  first.Parse();
  // "class procedure" and "class function" declare a class method, not a class: the
  // header is the method's, named after it.
  TZORIEditorParser method;
  const bool class_method = first.Kind == fncClass && first.LastChar == ' ' &&
                            StartsRoutine(source, static_cast<size_t>(first.Pos));
  if (class_method) {
    method.Source = source.c_str();
    method.Pos = first.Pos;
    method.Parse();
  }
  TZORIEditorParser& parser = class_method ? method : first;
  std::string retorno;
  if (parser.FuncResult.Count() > 0) {
    const int type = parser.FuncResult.Objects(0);
    if (type >= 0 && type < parser.Types.Count()) retorno = parser.Types.Strings(type);
  }
  auto type_of = [&parser](int index) {
    return index >= 0 && index < parser.Types.Count() ? parser.Types.Strings(index) : std::string();
  };

  try {
    PR_Inicializa_Variaveis();
    if (F_ZORI_Manager_Comm == nullptr)
      F_ZORI_Manager_Comm = std::make_unique<TF_ZORI_Manager_Comm>();
    TF_ZORI_Manager_Comm& w = *F_ZORI_Manager_Comm;
    w.cds_actual_comm->Append();
    w.cds_actual_comm->FieldByName("TX_IDENTIFICADOR")->SetAsString(parser.Name);
    w.cds_actual_comm->FieldByName("NM_ANALISTA")->SetAsString("");
    w.cds_actual_comm->FieldByName("DT_COMMENT")->SetAsString(FN_Data_Hoje());
    w.cds_actual_comm->FieldByName("HR_COMMENT")->SetAsString(FN_Hora_Agora());
    for (const TStringSlotList* list : {&parser.Params, &parser.VarParams}) {
      for (int i = 0; i < list->Count(); ++i) {
        w.cds_Params->Append();
        w.cds_Params->FieldByName("TX_NM_PAR")->SetAsString(list->Strings(i));
        w.cds_Params->FieldByName("TX_TYPE")->SetAsString(type_of(list->Objects(i)));
        w.cds_Params->FieldByName("TX_DESCRIPTION")->SetAsString("");
        w.cds_Params->Post();
      }
    }
    const std::string existing = FN_Comentario(parser.Name);
    const std::string old_text = v_Texto_Antigo;

    if (w.ShowModal() == platform::mrOk) {
      std::shared_ptr<ide::IOTASourceEditor> editor = SourceEditor;
      int start = 0;
      int remove = 0;
      if (!existing.empty()) {
        // The new header takes the old one's place: the cursor goes to its first line.
        start = std::stoi(existing.substr(0, existing.find('|')));
        auto buffer = ide::Supports<ide::IOTAEditBuffer>(editor);
        if (buffer == nullptr) {
          throw platform::Exception("Unable to find IOTASourceEditor interface!!!");
        }
        buffer->GetEditPosition()->GotoLine(v_Quebras_Antes + start + 1);
        // Every line break of the buffer is a carriage return and a line feed.
        remove = static_cast<int>(Len(old_text));
      }
      PR_Inicializa_Variaveis();
      const std::string header = FN_Monta_Comentario(parser.Name, retorno);
      PR_Encontra_Source(editor);
      const int at = FetchCurrentPosition(editor);
      if (remove > 0) {
        // The lines at the cursor must still be the old header, or nothing is deleted.
        std::string there;
        editor->CreateReader()->GetText(at, there, remove);
        if (there.size() < 2 || kCRLF + there.substr(0, there.size() - 2) != old_text) {
          throw platform::Exception("The old header of " + parser.Name +
                                    " is not where it was read; nothing was changed");
        }
      }
      auto writer = editor->CreateUndoableWriter();
      writer->CopyTo(at);
      if (remove > 0) writer->DeleteTo(at + remove);
      writer->Insert(header);
    }
    platform::FN_Destroi_Objeto(F_ZORI_Manager_Comm);
    platform::Application().ProcessMessages();
  } catch (const std::exception& e) {
    platform::FN_Destroi_Objeto(F_ZORI_Manager_Comm);
    v_cds_Config.reset();
    platform::Application().MessageBox(e.what(), vg_Desc_Zori);
  }
}

void CommentCurrentStatement() {
  std::shared_ptr<ide::IOTASourceEditor> editor;
  PR_Encontra_Source(editor);
  const int position = FetchCurrentPosition(editor);
  CommentCurrentStatement(editor, position);
}

void CommentCurrentStatement(const std::shared_ptr<ide::IOTAKeyContext>&, ide::TShortCut,
                             ide::TKeyBindingResult& BindingResult) {
  CommentCurrentStatement();
  BindingResult = ide::krHandled;
}

void MenuClick(platform::TObject*) {
  CommentCurrentStatement();
}
