// U_zori_func: the add-in's shared routines. Each area keeps its own section below and its
// own source file (U_zori_func_<area>.cpp).
#pragma once

#include <string>

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
