#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/U_zori_func.h"

namespace {

// Characters (code points) of well-formed UTF-8 text.
int Chars(const std::string& s) {
  int n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The lines of a CR LF separated text, each checked to end with CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
    lines.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  EXPECT_EQ(from, text.size()) << "text does not end with a line break: " << text;
  return lines;
}

const TComment_Frame kFrame{"[", "=", "]"};

}  // namespace

TEST(CommentTextTest, PrepareStringTrimsAndPadsToTheWidth) {
  EXPECT_EQ(FN_Prepara_String("  ab ", "-", 5, true), "ab---");
  EXPECT_EQ(FN_Prepara_String("  ab ", "-", 5, false), "---ab");
  EXPECT_EQ(FN_Prepara_String("abc", "", 10, true), "abc");
  EXPECT_EQ(FN_Prepara_String("abcde", " ", 5, true), "abcde");
  EXPECT_EQ(FN_Prepara_String("ab", "-=", 4, true), "ab-=-=");  // the fill repeats whole
  EXPECT_EQ(FN_Prepara_String("\r\n\tab\r\n", ".", 3, true), "ab.");
}

TEST(CommentTextTest, PrepareStringReturnsAWideTextWholeAndUnpadded) {
  EXPECT_EQ(FN_Prepara_String("abcdefgh", " ", 5, true), "abcdefgh");
  EXPECT_EQ(FN_Prepara_String("  abcdefgh  ", " ", 5, false), "abcdefgh");
  EXPECT_EQ(FN_Prepara_String("abc", "-", 0, true), "abc");
  EXPECT_EQ(FN_Prepara_String("abc", "-", -7, false), "abc");
  // Untrimmed longer than the width, trimmed shorter: it fits and is padded.
  EXPECT_EQ(FN_Prepara_String("   ab   ", "-", 4, true), "ab--");
}

TEST(CommentTextTest, BreakLinesCutsAtFixedCountsAndFramesEveryLine) {
  EXPECT_EQ(FN_Quebra_Linhas("", "|", 6), "     |\r\n");
  EXPECT_EQ(FN_Quebra_Linhas("abcdefghij", "|", 6), "abcd |\r\nefghi|\r\nj    |\r\n");
  EXPECT_EQ(FN_Quebra_Linhas("ab\r\ncd", "|", 6), "abcd |\r\n");
  EXPECT_EQ(FN_Quebra_Linhas("  abcd  \r\n", "|", 6), "abcd |\r\n");
  // Pieces are trimmed before padding, so a blank at a cut does not shift the frame.
  EXPECT_EQ(FN_Quebra_Linhas("abcd efghi", "|", 6), "abcd |\r\nefgh |\r\ni    |\r\n");
  // No room beside the separator: the whole text is one line.
  EXPECT_EQ(FN_Quebra_Linhas("abcdef", "||", 2), "abcdef||\r\n");
  EXPECT_EQ(FN_Quebra_Linhas("", "|", 1), "|\r\n");
}

// Accented header lines padded to the width are checked in the headers `zori comment` writes.
TEST(CommentTextTest, BreakLinesKeepsAccentedLinesAtTheWidth) {
  const std::string long_text =
      "[ Descrição: Ação é informação; função, não é opção. Atenção à exceção e à "
      "conexão, à sessão, à cessação e à manutenção da coração.";
  const std::vector<std::string> lines = Lines(FN_Quebra_Linhas(long_text, "]", 40));
  ASSERT_EQ(lines.size(), 4u);
  for (const std::string& line : lines) {
    EXPECT_EQ(Chars(line), 40) << line;
    EXPECT_EQ(line.back(), ']');
  }
  EXPECT_EQ(lines[0], "[ Descrição: Ação é informação; função ]");
  EXPECT_EQ(lines[1], ", não é opção. Atenção à exceção e à co]");
  EXPECT_EQ(lines[3], "ção da coração.                        ]");
}

TEST(CommentTextTest, RemoveCharactersDropsEveryCharacterOfTheSet) {
  EXPECT_EQ(FN_Remove_Caracteres("|*", "|a*b|"), "ab");
  EXPECT_EQ(FN_Remove_Caracteres("", "|a*b|"), "|a*b|");
  EXPECT_EQ(FN_Remove_Caracteres("çã", "ação"), "ao");
  EXPECT_EQ(FN_Remove_Caracteres("]=[", "[ Descrição: x ===]"), " Descrição: x ");
}

TEST(CommentTextTest, CopyTextCutsBetweenTheMarks) {
  std::string text = "x<ab>y";
  EXPECT_EQ(FN_Copia_Texto("<", ">", text, true, false), "ab");
  EXPECT_EQ(text, "x<ab>y");
  EXPECT_EQ(FN_Copia_Texto("<", ">", text, true, true), "ab");
  EXPECT_EQ(text, "ab>y");

  std::string no_start = "xaby";
  EXPECT_EQ(FN_Copia_Texto("<", ">", no_start, true, true), "");
  EXPECT_EQ(no_start, "xaby");
  std::string no_end = "x<aby";
  EXPECT_EQ(FN_Copia_Texto("<", ">", no_end, true, false), "");
  EXPECT_EQ(no_end, "x<aby");

  std::string mixed = "xa: 1;";
  EXPECT_EQ(FN_Copia_Texto("A:", ";", mixed, false, false), " 1");
  EXPECT_EQ(FN_Copia_Texto("A:", ";", mixed, true, false), "");
  // Upper-cased comparison, cut from the original text with its own letters.
  std::string accented = "[ descrição: Soma ÀS vezes ]";
  EXPECT_EQ(FN_Copia_Texto("DESCRIÇÃO: ", " às", accented, false, true), "Soma");
  EXPECT_EQ(accented, "Soma ÀS vezes ]");
}

TEST(CommentTextTest, RemoveSpecialsStripsTheFrameOfAPiece) {
  // Index and count are characters: "ção" is three of them.
  std::string text = "xxção]==[yy";
  EXPECT_EQ(FN_Remove_Especiais(kFrame, text, 3, 7, ""), "ção");
  EXPECT_EQ(text, "xxção]==[yy");
  // Each frame text is removed as a whole substring, in any order of appearance.
  std::string wide = "(* a-b *)";
  EXPECT_EQ(FN_Remove_Especiais(TComment_Frame{"(*", "-", "*)"}, wide, 1, 99, ""), "ab");
}

TEST(CommentTextTest, RemoveSpecialsExtraMarkDeletesOnlyWhenItOccurs) {
  std::string text = "ab|cd|ef";
  EXPECT_EQ(FN_Remove_Especiais(kFrame, text, 1, 2, "|"), "ab");
  EXPECT_EQ(text, "d|ef");  // position 3 of "|" plus its length: four characters gone

  std::string kept = "ab|cd|ef";
  EXPECT_EQ(FN_Remove_Especiais(kFrame, kept, 1, 2, "#"), "ab");
  EXPECT_EQ(kept, "ab|cd|ef");
}
