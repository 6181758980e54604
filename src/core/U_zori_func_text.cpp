// Comment text formatting of U_zori_func. Every count and position is in characters (UTF-8
// code points); an ill-formed byte counts as one character of its own.
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/U_zori_func.h"

namespace {

// Byte offsets of the start of every character of s, followed by s.size().
std::vector<size_t> CharStarts(std::string_view s) {
  std::vector<size_t> starts;
  starts.reserve(s.size() + 1);
  const auto length = static_cast<int32_t>(s.size());
  int32_t i = 0;
  while (i < length) {
    starts.push_back(static_cast<size_t>(i));
    UChar32 c;
    U8_NEXT(s.data(), i, length, c);
    (void)c;
  }
  starts.push_back(s.size());
  return starts;
}

int CharCount(std::string_view s) {
  return static_cast<int>(CharStarts(s).size()) - 1;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string Trim(std::string_view s) {
  size_t first = 0;
  size_t last = s.size();
  while (first < last && IsBlank(s[first])) ++first;
  while (last > first && IsBlank(s[last - 1])) --last;
  return std::string(s.substr(first, last - first));
}

// The platform's Copy: count characters from the 1-based index, clamped to the text.
std::string CopyChars(std::string_view s, int index, int count) {
  const std::vector<size_t> starts = CharStarts(s);
  const int length = static_cast<int>(starts.size()) - 1;
  if (index < 1) index = 1;
  if (count <= 0 || index > length) return {};
  const int last = std::min(length, index - 1 + std::min(count, length));
  return std::string(s.substr(starts[index - 1], starts[last] - starts[index - 1]));
}

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  if (times <= 0 || piece.empty()) return out;
  out.reserve(piece.size() * static_cast<size_t>(times));
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

void ReplaceAll(std::string& s, const std::string& pattern, const std::string& with) {
  if (pattern.empty()) return;
  std::string out;
  size_t from = 0;
  for (size_t at = s.find(pattern); at != std::string::npos; at = s.find(pattern, from)) {
    out.append(s, from, at - from);
    out += with;
    from = at + pattern.size();
  }
  out.append(s, from);
  s = std::move(out);
}

// A text as upper-cased characters with the byte offset where each begins; one character
// maps to one, so a match found here is cut from the original at the same offsets.
struct UpperText {
  std::vector<UChar32> chars;
  std::vector<size_t> starts;  // one more than chars: the end
};

UpperText Upper(std::string_view s) {
  UpperText u;
  const auto length = static_cast<int32_t>(s.size());
  int32_t i = 0;
  while (i < length) {
    u.starts.push_back(static_cast<size_t>(i));
    UChar32 c;
    U8_NEXT(s.data(), i, length, c);
    u.chars.push_back(c < 0 ? 0xFFFD : u_toupper(c));
  }
  u.starts.push_back(s.size());
  return u;
}

// Byte range [begin, end) of the first occurrence of mark in text, compared as the caller
// asks; npos in begin when mark is empty or missing.
std::pair<size_t, size_t> Find(std::string_view text, std::string_view mark, bool case_sensitive) {
  constexpr auto kMissing = std::make_pair(std::string_view::npos, std::string_view::npos);
  if (mark.empty()) return kMissing;
  if (case_sensitive) {
    const size_t at = text.find(mark);
    return at == std::string_view::npos ? kMissing : std::make_pair(at, at + mark.size());
  }
  const UpperText t = Upper(text);
  const UpperText m = Upper(mark);
  const auto it = std::search(t.chars.begin(), t.chars.end(), m.chars.begin(), m.chars.end());
  if (it == t.chars.end()) return kMissing;
  const auto index = static_cast<size_t>(it - t.chars.begin());
  return {t.starts[index], t.starts[index + m.chars.size()]};
}

}  // namespace

std::string FN_Prepara_String(const std::string& Texto, const std::string& Preenchimento,
                              int Tamanho, bool Esquerda) {
  std::string text = Trim(Texto);
  // A text as wide as the column or wider is returned whole: cutting it would lose what the
  // user wrote (and a routine name the read-back looks for), so only fitting texts are padded.
  const std::string pad = Repeat(Preenchimento, Tamanho - CharCount(text));
  return Esquerda ? text + pad : pad + text;
}

std::string FN_Quebra_Linhas(const std::string& Texto, const std::string& Separador, int Tamanho) {
  std::string text = Trim(Texto);
  ReplaceAll(text, "\r\n", "");
  const int width = Tamanho - CharCount(Separador);
  const std::string line_end = Separador + "\r\n";
  if (width <= 0) return FN_Prepara_String(text, " ", width, true) + line_end;

  const std::vector<size_t> starts = CharStarts(text);
  const size_t length = starts.size() - 1;
  std::string out;
  size_t from = 0;
  size_t take = static_cast<size_t>(width) - 1;  // the first line leaves room for what precedes it
  do {
    const size_t to = std::min(length, from + take);
    out +=
        FN_Prepara_String(text.substr(starts[from], starts[to] - starts[from]), " ", width, true);
    out += line_end;
    from = to;
    take = static_cast<size_t>(width);
  } while (from < length);
  return out;
}

std::string FN_Remove_Caracteres(const std::string& Conjunto, const std::string& Texto) {
  const std::string_view set = Conjunto;
  const std::vector<size_t> set_starts = CharStarts(set);
  std::unordered_set<std::string_view> removed;
  for (size_t i = 0; i + 1 < set_starts.size(); ++i) {
    removed.insert(set.substr(set_starts[i], set_starts[i + 1] - set_starts[i]));
  }
  const std::string_view text = Texto;
  const std::vector<size_t> starts = CharStarts(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i + 1 < starts.size(); ++i) {
    const std::string_view c = text.substr(starts[i], starts[i + 1] - starts[i]);
    if (!removed.contains(c)) out += c;
  }
  return out;
}

std::string FN_Copia_Texto(const std::string& Inicio, const std::string& Fim, std::string& Texto,
                           bool CaseSensitive, bool Consome) {
  const auto start = Find(Texto, Inicio, CaseSensitive);
  if (start.first == std::string::npos) return {};
  std::string rest = Texto.substr(start.second);
  const auto end = Find(rest, Fim, CaseSensitive);
  std::string result = end.first == std::string::npos ? std::string() : rest.substr(0, end.first);
  if (Consome) Texto = std::move(rest);
  return result;
}

std::string FN_Remove_Especiais(const TComment_Frame& Frame, std::string& Texto, int Indice,
                                int Quantidade, const std::string& Extra) {
  std::string piece = CopyChars(Texto, Indice, Quantidade);
  ReplaceAll(piece, Frame.TX_CHAR_FIM, "");
  ReplaceAll(piece, Frame.TX_CHAR_LIN_ESP, "");
  ReplaceAll(piece, Frame.TX_CHAR_INI, "");
  if (!Extra.empty()) {
    const size_t at = Texto.find(Extra);
    // A missing mark deletes nothing, so the text is never cut at a guessed place.
    if (at != std::string::npos) {
      const int mark_end = CharCount(std::string_view(Texto).substr(0, at)) + 1 + CharCount(Extra);
      const int length = CharCount(Texto);
      if (Indice >= 1 && Indice <= length) {
        const std::vector<size_t> starts = CharStarts(Texto);
        const int last = std::min(length, Indice - 1 + mark_end);
        Texto.erase(starts[Indice - 1], starts[last] - starts[Indice - 1]);
      }
    }
  }
  return Trim(piece);
}
