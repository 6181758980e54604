// U_zori_func: the add-in's shared routines. Each area keeps its own section below and its
// own source file (U_zori_func_<area>.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/variant.h"

namespace platform {
class TClientDataSet;
class TComponent;
class TCustomCheckBox;
class TCustomForm;
class TDataSet;
class TForm;
}  // namespace platform

// ---------------------------------------------------------------------------------------
// Comment text formatting (U_zori_func_text.cpp)
//
// Build and take apart the fixed-width framed header comments of the comment generator.
// Texts are UTF-8; widths, counts and positions are characters (code points), never bytes,
// and positions are 1-based. "Trim" removes leading and trailing characters of code 32 or
// less (spaces, control characters and line breaks).
// ---------------------------------------------------------------------------------------

// The frame characters of the current comment configuration: fields TX_CHAR_INI (start of
// every framed line), TX_CHAR_LIN_ESP (fill of the first and last line) and TX_CHAR_FIM
// (end of every framed line). The comment generator holds the current one.
struct TComment_Frame {
  std::string TX_CHAR_INI;
  std::string TX_CHAR_LIN_ESP;
  std::string TX_CHAR_FIM;
};

// The trimmed Texto padded with Preenchimento (repeated as a whole) up to Tamanho
// characters, after the text when Esquerda, before it otherwise. A trimmed text of Tamanho
// characters or more comes back whole and unpadded: nothing of it is cut or repeated.
std::string FN_Prepara_String(const std::string& Texto, const std::string& Preenchimento,
                              int Tamanho, bool Esquerda);

// Texto (trimmed, its CR LF pairs deleted) cut into framed lines: pieces of W characters
// (W = Tamanho - length of Separador; the first piece one fewer), each trimmed, padded with
// spaces to W and followed by Separador and CR LF. An empty text gives one blank line; with
// W of zero or less the whole text is one line.
std::string FN_Quebra_Linhas(const std::string& Texto, const std::string& Separador, int Tamanho);

// Texto without any character that occurs in Conjunto.
std::string FN_Remove_Caracteres(const std::string& Conjunto, const std::string& Texto);

// The text between the first Inicio in Texto and the following Fim; empty when either is
// missing. Without CaseSensitive both are compared upper-cased. With Consome, Texto loses
// everything up to and including Inicio when Inicio occurs; otherwise it is left unchanged.
std::string FN_Copia_Texto(const std::string& Inicio, const std::string& Fim, std::string& Texto,
                           bool CaseSensitive, bool Consome);

// Quantidade characters of Texto from position Indice, with every TX_CHAR_FIM, then
// TX_CHAR_LIN_ESP, then TX_CHAR_INI of Frame removed, trimmed. When Extra is not empty and
// occurs in Texto, also deletes (its position + its length) characters of Texto from Indice.
std::string FN_Remove_Especiais(const TComment_Frame& Frame, std::string& Texto, int Indice,
                                int Quantidade, const std::string& Extra);

// ---------------------------------------------------------------------------------------
// Package directory, table files and configuration store (U_zori_func_config.cpp)
//
// Every table file lives in the package directory, the folder of the loaded package file
// among the IDE's known packages. The configuration store is reread on every access (no
// cache), so a value written by one window is seen by the next read anywhere.
// ---------------------------------------------------------------------------------------

// The product title: caption of the add-in's own message windows.
extern std::string vg_Desc_Zori;
// The package directory without trailing separator; empty when the package file is not
// among the known packages.
extern std::string v_Diretorio_Package;

// The package file the IDE loads; its directory is the package directory.
inline constexpr const char* kPackageFile = "ZORIIDEx_1.bpl";
// The IDE's list of installed packages, under HKEY_CURRENT_USER.
inline constexpr const char* kKnownPackagesKey = "\\Software\\Borland\\Delphi\\6.0\\Known Packages";

// Type code of a configuration row (ID_TIPO_DADO).
enum class tTipo_DadoConfig { tpBoolean = 0, tpInteger = 1, tpString = 2 };

// The configuration store's table, created on first use and kept until unload.
extern std::unique_ptr<platform::TClientDataSet> vg_cds_config;

// The full path of the known package whose name ends in Pacote (ASCII letter case
// ignored, no separator check); when several end so, the last one listed; empty if none.
std::string FN_Diretorio_Package(const std::string& Pacote);

// The value names of a registry key (created empty when missing).
std::vector<std::string> FN_Chaves_Registry(uint32_t Raiz, const std::string& Chave);

// Opens table file Arquivo of the package directory into DataSet. A missing file leaves
// the dataset as it was, silently; a file that fails to open is reported with a message
// naming the directory and the file. An unknown (empty) package directory raises
// EFileError instead of reaching for a file at the root of the file system.
void PR_Abre_DataSet(platform::TClientDataSet& DataSet, const std::string& Arquivo);

// Moves to the first row whose field Campo equals Valor (Exato) or contains it (not Exato),
// ASCII letter case ignored; true on success. Without a match the cursor ends on the first
// row. Raises the closed-dataset error on a closed dataset.
bool FN_Locate(platform::TDataSet& DataSet, const std::string& Campo, const std::string& Valor,
               bool Exato);

// Deletes rows from the current one to the end (all of them from the first row).
void PR_Zerar_Tabela(platform::TDataSet& DataSet);

// Reloads the configuration store and places it on the row of Chave (letter case
// ignored); true when the key exists. The table stays open.
bool FN_Existe_Valor_Config(const std::string& Chave);

// The value of Chave: Boolean ("0" is true), integer or text by the row's type code;
// empty for a missing key, an unknown type code or an integer row that holds no number.
platform::Variant FN_Valor_Config(const std::string& Chave);

// Writes Valor under Chave (the key in the caller's letter case), replacing the row whose
// key matches ignoring case or adding one; the file is written at once.
void FN_Seta_Valor_Config(const std::string& Chave, const std::string& Valor,
                          tTipo_DadoConfig Tipo);

// The stored text of a Boolean configuration value: "0" for true, "1" for false.
inline std::string FN_Boolean_Config(bool value) {
  return value ? "0" : "1";
}

// Clears the unit's state at package unload: title, catalogue, package directory, store.
void PR_Finaliza_U_zori_func();

// ---------------------------------------------------------------------------------------
// Text catalogue (U_zori_func_catalogue.cpp)
// ---------------------------------------------------------------------------------------

// One catalogue row in memory.
struct TResource_String {
  std::string NM_FORM;
  std::string NM_COMPONENTE;
  std::string TX_REFERENTE;
};

// The catalogue's rows in file row order. Every change bumps Revision, so a window's many
// lookups can go through an index of the rows instead of reading them all each time.
class TResource_Strings {
 public:
  TResource_Strings() = default;
  TResource_Strings(std::initializer_list<TResource_String> rows) : rows_(rows) {}
  TResource_Strings& operator=(std::vector<TResource_String> rows) {
    rows_ = std::move(rows);
    ++revision_;
    return *this;
  }
  TResource_Strings& operator=(std::initializer_list<TResource_String> rows) {
    return *this = std::vector<TResource_String>(rows);
  }
  void clear() { *this = std::vector<TResource_String>(); }
  bool empty() const { return rows_.empty(); }
  size_t size() const { return rows_.size(); }
  const TResource_String& operator[](size_t index) const { return rows_[index]; }
  std::vector<TResource_String>::const_iterator begin() const { return rows_.begin(); }
  std::vector<TResource_String>::const_iterator end() const { return rows_.end(); }
  uint64_t Revision() const { return revision_; }
  // The text of the first row of Form and Path, letter case ignored as the user's locale
  // upper-cases; empty when there is none.
  std::string Find(const std::string& Form, const std::string& Path) const;

 private:
  std::vector<TResource_String> rows_;
  uint64_t revision_ = 0;
  struct Index;  // built by the first Find after a change
  mutable std::shared_ptr<const Index> index_;
};

// The loaded catalogue; replaced by every load of TF_ZORI_Resource.
extern TResource_Strings v_Resource_Strings;

// The catalogue file name: configuration "edt_Resources", else "ZORIIDEx_msg.xml". Raises
// EFileError when the configured name is not a bare file name of the package directory.
std::string FN_Arquivo_Resources();

// True when Nome names a file directly in the package directory: not empty, no folder
// separator, no drive, no ".."; otherwise false with *Motivo saying why.
bool FN_Nome_Arquivo_Valido(const std::string& Nome, std::string* Motivo);

// The marker file whose presence switches the catalogue capture on:
// $XDG_CONFIG_HOME/zori/zori.txt, else ~/.config/zori/zori.txt.
std::string FN_Arquivo_Marcador();

// The text of (window name, component path), both compared after locale-aware
// upper-casing; the first matching row wins; empty when missing or nothing is loaded.
std::string FN_Get_Component_StringResource(const std::string& Form, const std::string& Path);

// The localisation pass over a window: hints, captions, radio-group items, grid titles,
// configuration-backed controls, window caption (see U_zori_func_catalogue.cpp).
void PR_International(platform::TForm& Form);

// ---------------------------------------------------------------------------------------
// Messages (U_zori_msg.cpp)
// ---------------------------------------------------------------------------------------

// Shows a plain message with one button and waits; an empty caption shows vg_Desc_Zori.
void PR_Mensagem(const std::string& Caption, const std::string& Texto);

// Asks a question with OK and Cancel; true only when the user pressed OK. An empty
// caption stays empty.
bool FN_Confirma(const std::string& Caption, const std::string& Texto);

// ---------------------------------------------------------------------------------------
// Window helpers (U_zori_func_window.cpp)
//
// A filter criterion of a window is a check box and the input controls that share its
// non-zero Tag: typing into an input ticks the box, unticking the box clears the inputs.
// Inputs are edits, masked edits, combo boxes, data-aware lookup combo boxes and radio
// groups.
// ---------------------------------------------------------------------------------------

// Whether Controle holds a value (an item chosen, text that is not blank, a masked edit
// showing more than its literals); ticks or unticks CheckBox to match when it is given.
// Any other kind of control never holds a value.
bool FN_Ativa_CKB(platform::TCustomCheckBox* CheckBox, const platform::TComponent& Controle);

// For every check box Janela owns with Controle's Tag, FN_Ativa_CKB on it; nothing when
// the window is missing or hidden.
void PR_Ativa_CKB_Auto(platform::TCustomForm* Janela, const platform::TComponent& Controle);

// Clears every other component Janela owns with CheckBox's non-zero Tag: texts emptied,
// check boxes unticked, combo boxes back on "E" when it is their second item (else on the
// first), lookup keys 0, "" or empty by the key field's type, radio groups on no item.
// Nothing while CheckBox is ticked, or when the window is missing or hidden.
void PR_Limpa_Componentes(platform::TCustomForm* Janela, const platform::TCustomCheckBox& CheckBox);

// Whether Candidata is a top-level IDE window a tool may list, save or move: not none;
// then always with AceitaTodos; otherwise not docked or embedded (unless IncluiParented),
// not the tool's own window Propria (same component name), not a designed form, and
// visible.
bool FN_Formulario_Movel(const platform::TComponent* Propria,
                         const platform::TCustomForm* Candidata, bool IncluiParented,
                         bool AceitaTodos);

// ---------------------------------------------------------------------------------------
// Programs (U_zori_func_process.cpp)
// ---------------------------------------------------------------------------------------

// Starts the program of Comando (split as the platform splits a command line, no shell)
// with show mode Modo (0 hidden: its output is discarded; 5 shown: its output goes to the
// user's terminal) and waits for its end, or at most LimiteSegundos seconds when that is
// above 0, after which it is stopped. The result is its exit code, or -1 when it could not
// start, was stopped or ended by a signal; *Resultado, when given, tells those apart.
int FN_WinExecAndWait(const std::string& Comando, int Modo, int LimiteSegundos = 0,
                      platform::ProcessResult* Resultado = nullptr);
