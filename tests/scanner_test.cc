#include "analysis/scanner.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/ada_grammar.hh"
#include "analysis/parser.h"
#include "driver/ac_mem.h"
#include "driver/exit_trap.h"
#include "tests/cli_harness.h"
#include "tests/stream_capture.h"

using namespace std::string_literals;

namespace {

// Short names for the table rows.
constexpr int ID = TOKEN_IDENTIFIER;
constexpr int NUM = TOKEN_NUMERIC_LITERAL;
constexpr int STR = TOKEN_STRING_LITERAL;
constexpr int CHR = TOKEN_CHARACTER_LITERAL;
constexpr int TICK = TOKEN_TICK;

// One token as the scanner delivered it; `text` only when the scanner wrote one.
struct Scanned {
  int token;
  int line;
  int column;
  std::optional<std::string> text;
  bool operator==(const Scanned&) const = default;
};

void PrintTo(const Scanned& s, std::ostream* os) {
  *os << "{" << s.token << " at " << s.line << "," << s.column;
  if (s.text) *os << " \"" << *s.text << "\"";
  *os << "}";
}

// The position of the last item scanned, as read after END_OF_INPUT.
struct EndPosition {
  int line;
  int column;
  bool operator==(const EndPosition&) const = default;
};

void PrintTo(const EndPosition& p, std::ostream* os) { *os << p.line << "," << p.column; }

// Text a token action must not touch: tokens without text leave it in place.
char untouched[] = "untouched";

// Scans the current scanner_input to its end. Checks on the way what every
// token promises: scan_line/scan_column equal its position, and a second
// call after END_OF_INPUT still returns END_OF_INPUT.
std::vector<Scanned> scan_to_end(EndPosition* end) {
  std::vector<Scanned> tokens;
  for (;;) {
    token_value.text = untouched;
    const SemanticValue before = token_value;
    const int token = next_token();
    if (token == TOKEN_END_OF_INPUT) {
      EXPECT_EQ(token_value.line, before.line);
      EXPECT_EQ(token_value.column, before.column);
      EXPECT_EQ(token_value.text, untouched);
      break;
    }
    EXPECT_EQ(scan_line, token_value.line);
    EXPECT_EQ(scan_column, token_value.column);
    Scanned scanned{token, token_value.line, token_value.column, std::nullopt};
    if (token_value.text != untouched) {
      scanned.text = token_value.text;
      ac_free(token_value.text);
    }
    tokens.push_back(scanned);
  }
  *end = {scan_line, scan_column};
  EXPECT_EQ(next_token(), TOKEN_END_OF_INPUT);
  EXPECT_EQ((EndPosition{scan_line, scan_column}), *end);
  return tokens;
}

// Opens `bytes` as a read stream; an empty input becomes an empty temporary file.
FILE* open_bytes(std::string& bytes) {
  if (bytes.empty()) return std::tmpfile();
  return fmemopen(bytes.data(), bytes.size(), "r");
}

// Scans `bytes` as a new source read as Ada `revision`, the way the run loop
// starts one.
std::vector<Scanned> scan_source(std::string bytes, EndPosition* end, AdaRevision revision = ADA_95) {
  FILE* stream = open_bytes(bytes);
  EXPECT_NE(stream, nullptr);
  scanner_input = stream;
  const AdaRevision run_revision = std::exchange(ada_revision, revision);
  scanner_reset();
  std::vector<Scanned> tokens = scan_to_end(end);
  std::fclose(stream);
  ada_revision = run_revision;
  return tokens;
}

struct ScanCase {
  const char* what;
  std::string input;
  std::vector<Scanned> tokens;
  EndPosition end;
};

TEST(ScannerTest, TokensPositionsAndTexts) {
  const ScanCase cases[] = {
      {"empty file", "", {}, {1, 1}},
      {"three-line package",
       "package P is\n   X : Character := 'a';\nend P;\n",
       {{TOKEN_PACKAGE, 1, 1, {}},
        {ID, 1, 9, "P"},
        {TOKEN_IS, 1, 11, {}},
        {ID, 2, 4, "X"},
        {TOKEN_COLON, 2, 6, {}},
        {ID, 2, 8, "Character"},
        {TOKEN_ASSIGNMENT, 2, 18, {}},
        {CHR, 2, 21, "a"},
        {TOKEN_SEMICOLON, 2, 24, {}},
        {TOKEN_END, 3, 1, {}},
        {ID, 3, 5, "P"},
        {TOKEN_SEMICOLON, 3, 6, {}}},
       {4, 1}},
      {"tab counts one, carriage return none",
       "a\tb\r c -- comment\n  d",
       {{ID, 1, 1, "a"}, {ID, 1, 3, "b"}, {ID, 1, 5, "c"}, {ID, 2, 3, "d"}},
       {2, 3}},
      {"CR LF line ends", "A\r\nB\r\n", {{ID, 1, 1, "A"}, {ID, 2, 1, "B"}}, {3, 1}},
      {"tick after ALL and DIGITS",
       "Foo.all'Size; T'Digits'x'",
       {{ID, 1, 1, "Foo"},
        {TOKEN_DOT, 1, 4, {}},
        {TOKEN_ALL, 1, 5, {}},
        {TICK, 1, 8, {}},
        {ID, 1, 9, "Size"},
        {TOKEN_SEMICOLON, 1, 13, {}},
        {ID, 1, 15, "T"},
        {TICK, 1, 16, {}},
        {TOKEN_DIGITS, 1, 17, {}},
        {TICK, 1, 23, {}},
        {ID, 1, 24, "x"},
        {TICK, 1, 25, {}}},
       {1, 25}},
      {"qualified character literal",
       "X'('a')",
       {{ID, 1, 1, "X"},
        {TICK, 1, 2, {}},
        {TOKEN_LEFT_PAREN, 1, 3, {}},
        {CHR, 1, 4, "a"},
        {TOKEN_RIGHT_PAREN, 1, 7, {}}},
       {1, 7}},
      {"apostrophe literal at start", "'''", {{CHR, 1, 1, "'"}}, {1, 1}},
      {"apostrophes after a name: tick and two skipped bytes",
       "A''' B",
       {{ID, 1, 1, "A"}, {TICK, 1, 2, {}}, {ID, 1, 6, "B"}},
       {1, 6}},
      {"mode after ACCESS, DELTA, a string, a closing parenthesis",
       "access'a' delta'b' \"s\"'c' F(1)'d'",
       {{TOKEN_ACCESS, 1, 1, {}},
        {TICK, 1, 7, {}},
        {ID, 1, 8, "a"},
        {TICK, 1, 9, {}},
        {TOKEN_DELTA, 1, 11, {}},
        {TICK, 1, 16, {}},
        {ID, 1, 17, "b"},
        {TICK, 1, 18, {}},
        {STR, 1, 20, "\"s\""},
        {TICK, 1, 23, {}},
        {ID, 1, 24, "c"},
        {TICK, 1, 25, {}},
        {ID, 1, 27, "F"},
        {TOKEN_LEFT_PAREN, 1, 28, {}},
        {NUM, 1, 29, {}},
        {TOKEN_RIGHT_PAREN, 1, 30, {}},
        {TICK, 1, 31, {}},
        {ID, 1, 32, "d"},
        {TICK, 1, 33, {}}},
       {1, 33}},
      {"other words reset the mode; numbers keep it",
       "is'x' X 1'y' = 2'z'",
       {{TOKEN_IS, 1, 1, {}},
        {CHR, 1, 3, "x"},
        {ID, 1, 7, "X"},
        {NUM, 1, 9, {}},
        {TICK, 1, 10, {}},
        {ID, 1, 11, "y"},
        {TICK, 1, 12, {}},
        {TOKEN_EQUAL, 1, 14, {}},
        {NUM, 1, 16, {}},
        {CHR, 1, 17, "z"}},
       {1, 17}},
      {"range of numbers",
       "1..10",
       {{NUM, 1, 1, {}}, {TOKEN_DOUBLE_DOT, 1, 2, {}}, {NUM, 1, 4, {}}},
       {1, 4}},
      {"based and decimal literals",
       "16#FF# 16:ff: 16#F.F#E+2 1_000 12_345.67_8e-0_1 1E3 1E-3 2#19#",
       {{NUM, 1, 1, {}},
        {NUM, 1, 8, {}},
        {NUM, 1, 15, {}},
        {NUM, 1, 26, {}},
        {NUM, 1, 32, {}},
        {NUM, 1, 49, {}},
        {NUM, 1, 53, {}},
        {NUM, 1, 58, {}}},
       {1, 58}},
      {"doubled underscore in a number", "1__0", {{NUM, 1, 1, {}}, {NUM, 1, 4, {}}}, {1, 4}},
      {"digit outside the base",
       "16#FG#",
       {{NUM, 1, 1, {}}, {ID, 1, 4, "FG"}},
       {1, 6}},
      {"mismatched based delimiters",
       "16#FF:",
       {{NUM, 1, 1, {}}, {ID, 1, 4, "FF"}, {TOKEN_COLON, 1, 6, {}}},
       {1, 6}},
      {"unfinished exponents end before the E",
       "1E 1.5E+",
       {{NUM, 1, 1, {}}, {ID, 1, 2, "E"}, {NUM, 1, 4, {}}, {ID, 1, 7, "E"}, {TOKEN_PLUS, 1, 8, {}}},
       {1, 8}},
      {"numbers cut short by a point, an exponent or a missing closing mark",
       "1.e5 16#F#E+ 16#F. 1.5_",
       {{NUM, 1, 1, {}},
        {'.', 1, 2, {}},
        {ID, 1, 3, "e5"},
        {NUM, 1, 6, {}},
        {ID, 1, 11, "E"},
        {TOKEN_PLUS, 1, 12, {}},
        {NUM, 1, 14, {}},
        {ID, 1, 17, "F"},
        {'.', 1, 18, {}},
        {NUM, 1, 20, {}}},
       {1, 23}},
      {"unterminated strings end at their last complete literal",
       "\"ab\"\"cd %a%b",
       {{STR, 1, 1, "\"ab\""}, {ID, 1, 6, "cd"}, {STR, 1, 9, "%a%"}, {ID, 1, 12, "b"}},
       {1, 12}},
      {"forms cut short after a space",
       "( \"ab\"\"c %d%e ( 'a ( '",
       {{'(', 1, 1, {}},
        {STR, 1, 3, "\"ab\""},
        {ID, 1, 8, "c"},
        {STR, 1, 10, "%d%"},
        {ID, 1, 13, "e"},
        {'(', 1, 15, {}},
        {ID, 1, 18, "a"},
        {'(', 1, 20, {}}},
       {1, 22}},
      {"apostrophe and letter without the closing apostrophe", "'a b", {{ID, 1, 2, "a"}, {ID, 1, 4, "b"}}, {1, 4}},
      {"reserved words before a lone underscore",
       "begin_ end_;",
       {{TOKEN_BEGIN, 1, 1, {}}, {TOKEN_END, 1, 8, {}}, {TOKEN_SEMICOLON, 1, 12, {}}},
       {1, 12}},
      {"percent string runs to the last percent sign",
       "%a% & %b%;",
       {{STR, 1, 1, "%a% & %b%"}, {TOKEN_SEMICOLON, 1, 10, {}}},
       {1, 10}},
      {"doubled quotation marks stay doubled",
       "\"say \"\"hi\"\"\" & \"\"",
       {{STR, 1, 1, "\"say \"\"hi\"\"\""}, {TOKEN_AMPERSAND, 1, 14, {}}, {STR, 1, 16, "\"\""}},
       {1, 16}},
      {"unterminated string: the mark is skipped, the line scanned",
       "\"abc := 1\nX",
       {{ID, 1, 2, "abc"}, {TOKEN_ASSIGNMENT, 1, 6, {}}, {NUM, 1, 9, {}}, {ID, 2, 1, "X"}},
       {2, 1}},
      {"reserved words in any case, longer identifiers win",
       "Package PACKAGE package packages end_if",
       {{TOKEN_PACKAGE, 1, 1, {}},
        {TOKEN_PACKAGE, 1, 9, {}},
        {TOKEN_PACKAGE, 1, 17, {}},
        {ID, 1, 25, "packages"},
        {ID, 1, 34, "end_if"}},
       {1, 34}},
      {"bad underscores end identifiers",
       "a__b _c d_",
       {{ID, 1, 1, "a"}, {ID, 1, 4, "b"}, {ID, 1, 7, "c"}, {ID, 1, 9, "d"}},
       {1, 10}},
      {"NUL ends a string's text but not the string",
       "\"a\0b\" X"s,
       {{STR, 1, 1, "\"a"}, {ID, 1, 7, "X"}},
       {1, 7}},
      {"NUL in a comment", "-- a\0b\nY"s, {{ID, 2, 1, "Y"}}, {2, 1}},
      {"NUL elsewhere is skipped with width one", "X\0Y"s, {{ID, 1, 1, "X"}, {ID, 1, 3, "Y"}}, {1, 3}},
      {"NUL is no character literal", "'\0' Q"s, {{ID, 1, 5, "Q"}}, {1, 5}},
      {"comment ends the file", "X -- done", {{ID, 1, 1, "X"}}, {1, 2}},
      {"carriage return ends a comment", "X -- note\rY--more\rW -- c\r\nZ",
       {{ID, 1, 1, "X"}, {ID, 1, 10, "Y"}, {ID, 1, 17, "W"}, {ID, 2, 1, "Z"}}, {2, 1}},
      {"compound and single delimiters",
       "=>..**:=/=>=<=<<>><>&()*+,-./:; < = > | !",
       {{TOKEN_ARROW, 1, 1, {}},
        {TOKEN_DOUBLE_DOT, 1, 3, {}},
        {TOKEN_DOUBLE_STAR, 1, 5, {}},
        {TOKEN_ASSIGNMENT, 1, 7, {}},
        {TOKEN_NOT_EQUAL, 1, 9, {}},
        {TOKEN_GREATER_EQUAL, 1, 11, {}},
        {TOKEN_LESS_EQUAL, 1, 13, {}},
        {TOKEN_LEFT_LABEL_BRACKET, 1, 15, {}},
        {TOKEN_RIGHT_LABEL_BRACKET, 1, 17, {}},
        {TOKEN_BOX, 1, 19, {}},
        {'&', 1, 21, {}},
        {'(', 1, 22, {}},
        {')', 1, 23, {}},
        {'*', 1, 24, {}},
        {'+', 1, 25, {}},
        {',', 1, 26, {}},
        {'-', 1, 27, {}},
        {'.', 1, 28, {}},
        {'/', 1, 29, {}},
        {':', 1, 30, {}},
        {';', 1, 31, {}},
        {'<', 1, 33, {}},
        {'=', 1, 35, {}},
        {'>', 1, 37, {}},
        {TOKEN_BAR, 1, 39, {}},
        {TOKEN_BAR, 1, 41, {}}},
       {1, 41}},
  };
  for (const ScanCase& c : cases) {
    EndPosition end{};
    EXPECT_EQ(scan_source(c.input, &end), c.tokens) << c.what;
    EXPECT_EQ(end, c.end) << c.what;
  }
}

// The reserved words of each revision, and the later revisions' words as
// identifiers before them.
struct ReservedWordsRow {
  const char* name;
  AdaRevision revision;
  size_t reserved;  // how many of the words are reserved in the revision
};

void PrintTo(const ReservedWordsRow& row, std::ostream* os) { *os << row.name; }

class ReservedWordsTest : public testing::TestWithParam<ReservedWordsRow> {};

TEST_P(ReservedWordsTest, EveryReservedWordInMixedCase) {
  struct Word {
    const char* spelling;
    int token;
    AdaRevision since;
  };
  const std::vector<Word> words = {
#define ADA_WORD(spelling, NAME, number, since) {#spelling, number, since},
#include "analysis/ada_tokens.def"
  };
  const ReservedWordsRow& row = GetParam();
  std::string source;
  std::vector<Scanned> expected;
  size_t reserved = 0;
  for (const Word& word : words) {
    // Alternate the case letter by letter, starting upper on odd tokens.
    std::string mixed = word.spelling;
    for (size_t i = 0; i < mixed.size(); ++i) {
      if ((i + static_cast<size_t>(word.token)) % 2 == 1) mixed[i] = static_cast<char>(std::toupper(mixed[i]));
    }
    const int line = static_cast<int>(expected.size()) + 1;
    if (word.since <= row.revision) {
      expected.push_back({word.token, line, 1, std::nullopt});
      ++reserved;
    } else {
      expected.push_back({ID, line, 1, mixed});
    }
    source += mixed + "\n";
  }
  EXPECT_EQ(reserved, row.reserved);
  EndPosition end{};
  EXPECT_EQ(scan_source(source, &end, row.revision), expected);
  EXPECT_EQ(end, (EndPosition{static_cast<int>(words.size()) + 1, 1}));
}

INSTANTIATE_TEST_SUITE_P(Revisions, ReservedWordsTest,
                         testing::Values(ReservedWordsRow{"Ada95", ADA_95, 69}, ReservedWordsRow{"Ada2005", ADA_2005, 72},
                                         ReservedWordsRow{"Ada2012", ADA_2012, 73},
                                         ReservedWordsRow{"Ada2022", ADA_2022, 74}),
                         [](const testing::TestParamInfo<ReservedWordsRow>& info) { return std::string(info.param.name); });

// The lexical elements that the later revisions add, and what Ada 95 makes
// of the same bytes.
struct RevisionScanCase {
  const char* what;
  AdaRevision revision;
  std::string input;
  std::vector<Scanned> tokens;
  EndPosition end;
};

TEST(ScannerTest, LexicalElementsOfTheLaterRevisions) {
  constexpr int LB = ada_token::TOKEN_LEFT_BRACKET;
  constexpr int RB = ada_token::TOKEN_RIGHT_BRACKET;
  constexpr int AT = ada_token::TOKEN_AT_SIGN;
  const RevisionScanCase cases[] = {
      {"brackets and target name", ADA_2005, "X := [1, @];",
       {{ID, 1, 1, "X"}, {TOKEN_ASSIGNMENT, 1, 3, {}}, {LB, 1, 6, {}}, {NUM, 1, 7, {}}, {',', 1, 8, {}},
        {AT, 1, 10, {}}, {RB, 1, 11, {}}, {';', 1, 12, {}}},
       {1, 12}},
      {"brackets and target name skipped in Ada 95", ADA_95, "X := [1, @];",
       {{ID, 1, 1, "X"}, {TOKEN_ASSIGNMENT, 1, 3, {}}, {NUM, 1, 7, {}}, {',', 1, 8, {}}, {';', 1, 12, {}}},
       {1, 12}},
      {"a tick after a closing bracket", ADA_2022, "[1]'Length",
       {{LB, 1, 1, {}}, {NUM, 1, 2, {}}, {RB, 1, 3, {}}, {TICK, 1, 4, {}}, {ID, 1, 5, "Length"}},
       {1, 5}},
      {"UTF-8 identifier, columns in bytes", ADA_2005, "Gr\xC3\xB6\xC3\x9F" "e X",
       {{ID, 1, 1, "Gr\xC3\xB6\xC3\x9F" "e"}, {ID, 1, 9, "X"}},
       {1, 9}},
      {"UTF-8 identifier cut at its bytes in Ada 95", ADA_95, "Gr\xC3\xB6\xC3\x9F" "e X",
       {{ID, 1, 1, "Gr"}, {ID, 1, 7, "e"}, {ID, 1, 9, "X"}},
       {1, 9}},
      {"Latin-1 identifier with underscores and digits", ADA_2012, "\xC4rger_2 := 1;",
       {{ID, 1, 1, "\xC4rger_2"}, {TOKEN_ASSIGNMENT, 1, 9, {}}, {NUM, 1, 12, {}}, {';', 1, 13, {}}},
       {1, 13}},
      {"byte-order mark at the start", ADA_2005, "\xEF\xBB\xBFpackage P",
       {{TOKEN_PACKAGE, 1, 4, {}}, {ID, 1, 12, "P"}},
       {1, 12}},
      {"byte-order mark alone", ADA_2005, "\xEF\xBB\xBF", {}, {1, 1}},
      {"byte-order mark elsewhere is an identifier", ADA_2005, "X \xEF\xBB\xBF",
       {{ID, 1, 1, "X"}, {ID, 1, 3, "\xEF\xBB\xBF"}},
       {1, 3}},
      {"byte-order mark skipped as bytes in Ada 95", ADA_95, "\xEF\xBB\xBFpackage P",
       {{TOKEN_PACKAGE, 1, 4, {}}, {ID, 1, 12, "P"}},
       {1, 12}},
      {"character literal of one UTF-8 character", ADA_2005, "C := '\xC3\xB6';",
       {{ID, 1, 1, "C"}, {TOKEN_ASSIGNMENT, 1, 3, {}}, {CHR, 1, 6, "\xC3\xB6"}, {';', 1, 10, {}}},
       {1, 10}},
      {"character literal of a four-byte character", ADA_2022, "'\xF0\x9F\x98\x80'",
       {{CHR, 1, 1, "\xF0\x9F\x98\x80"}},
       {1, 1}},
      {"character literals of one Latin-1 byte and of an apostrophe", ADA_2005, "'\xE9', '''",
       {{CHR, 1, 1, "\xE9"}, {',', 1, 4, {}}, {CHR, 1, 6, "'"}},
       {1, 6}},
      {"later reserved words before a lone underscore", ADA_2005, "some_ interface_",
       {{ID, 1, 1, "some"}, {TOKEN_INTERFACE, 1, 7, {}}},
       {1, 16}},
      {"apostrophe and UTF-8 character without the closing apostrophe", ADA_2005, "'\xC3\xB6x",
       {{ID, 1, 2, "\xC3\xB6x"}},
       {1, 2}},
      {"a cut byte-order mark is read as letters", ADA_2022, "\xEF\xBB X",
       {{ID, 1, 1, "\xEF\xBB"}, {ID, 1, 4, "X"}},
       {1, 4}},
      {"UTF-8 character literal skipped in Ada 95", ADA_95, "C := '\xC3\xB6';",
       {{ID, 1, 1, "C"}, {TOKEN_ASSIGNMENT, 1, 3, {}}, {';', 1, 10, {}}},
       {1, 10}},
  };
  for (const RevisionScanCase& c : cases) {
    EndPosition end{};
    EXPECT_EQ(scan_source(c.input, &end, c.revision), c.tokens) << c.what;
    EXPECT_EQ(end, c.end) << c.what;
  }
}

// Tokens longer than the buffer's first capacity come back whole, and the
// scan goes on correctly behind them.
TEST(ScannerTest, TokensLongerThanTheBuffer) {
  const std::string long_string = "\"" + std::string(40000, 's') + "\"";
  const std::string long_name = "N" + std::string(20000, '1');
  const std::string source = "X := " + long_string + ";\n" + long_name + " Y\n";
  EndPosition end{};
  const std::vector<Scanned> expected = {
      {ID, 1, 1, "X"},
      {TOKEN_ASSIGNMENT, 1, 3, {}},
      {STR, 1, 6, long_string},
      {TOKEN_SEMICOLON, 1, 6 + static_cast<int>(long_string.size()), {}},
      {ID, 2, 1, long_name},
      {ID, 2, static_cast<int>(long_name.size()) + 2, "Y"},
  };
  EXPECT_EQ(scan_source(source, &end), expected);
  EXPECT_EQ(end, (EndPosition{3, 1}));
}

// A comment is skipped by a search of the scanner's buffer for the end of
// its line, and goes on in a mode of its own where the buffer ends first
// (its blocks are 8192 bytes): wherever that end falls, NUL bytes in it or
// not, the code after the comment keeps its column and the mode the comment
// was found in (after a name, an apostrophe is a tick), in both revisions.
TEST(ScannerTest, CommentsAcrossTheBufferEnd) {
  for (const AdaRevision revision : {ADA_95, ADA_2022}) {
    for (int length = 8180; length <= 8200; ++length) {
      for (const int doubled : {length, 2 * length}) {
        for (const char filler : {'c', '\0'}) {
          for (const std::string line_end : {"\r", "\n", "\r\n"}) {
            const std::string source = "A --" + std::string(doubled, filler) + line_end + "'Size";
            SCOPED_TRACE(testing::Message() << "revision " << revision << ", " << doubled << " bytes of "
                                            << int(filler) << ", line end " << line_end.size());
            const int line = line_end == "\r" ? 1 : 2;
            const int column = line == 1 ? doubled + 5 : 1;
            EndPosition end{};
            EXPECT_EQ(scan_source(source, &end, revision),
                      (std::vector<Scanned>{{ID, 1, 1, "A"}, {TICK, line, column, {}}, {ID, line, column + 1, "Size"}}));
            EXPECT_EQ(end, (EndPosition{line, column + 1}));
          }
        }
      }
    }
  }
}

// The search for a comment's end takes many bytes at a step: whatever the
// comment's length, it stops at the first line end, and a line after it that
// holds only a comment is taken as the newline and comment rows take it.
TEST(ScannerTest, CommentLinesOfEveryLength) {
  for (const AdaRevision revision : {ADA_95, ADA_2022}) {
    for (int length = 0; length <= 70; ++length) {
      for (const std::string line_end : {"\r", "\n", "\r\n"}) {
        const std::string text(static_cast<size_t>(length), 'c');
        const std::string source = "A --" + text + line_end + " \t--" + text + line_end + "'B";
        SCOPED_TRACE(testing::Message() << "revision " << revision << ", " << length << " bytes, line end "
                                        << line_end.size());
        const int line = line_end == "\r" ? 1 : 3;
        const int column = line == 1 ? 2 * length + 9 : 1;
        EndPosition end{};
        EXPECT_EQ(scan_source(source, &end, revision),
                  (std::vector<Scanned>{{ID, 1, 1, "A"}, {TICK, line, column, {}}, {ID, line, column + 1, "B"}}));
        EXPECT_EQ(end, (EndPosition{line, column + 1}));
      }
    }
  }
}

// Between sources the run loop only assigns the next stream and resets; the
// previous stream is already closed when the next one is read.
TEST(ScannerTest, StreamsInARowCountAfresh) {
  EndPosition end{};
  // Ends in AFTER_NAME, on line 2, with its last token pending at the end.
  EXPECT_EQ(scan_source("with A;\npackage B", &end),
            (std::vector<Scanned>{{TOKEN_WITH, 1, 1, {}},
                                  {ID, 1, 6, "A"},
                                  {TOKEN_SEMICOLON, 1, 7, {}},
                                  {TOKEN_PACKAGE, 2, 1, {}},
                                  {ID, 2, 9, "B"}}));
  EXPECT_EQ(end, (EndPosition{2, 9}));
  EXPECT_EQ(scan_source("", &end), std::vector<Scanned>{});
  EXPECT_EQ(end, (EndPosition{1, 1}));
  EXPECT_EQ(scan_source("'x' C\n", &end),
            (std::vector<Scanned>{{CHR, 1, 1, "x"}, {ID, 1, 5, "C"}}));
  EXPECT_EQ(end, (EndPosition{2, 1}));
}

// A read error is the scanner's fatal error, never a quiet end of file.
TEST(ScannerTest, ReadErrorIsFatalWithStatusTwo) {
  const ScratchDir scratch;
  const std::string& dir = scratch.path;
  const std::string write_only = dir + "/write_only.ada";
  struct Unreadable {
    const char* what;
    FILE* stream;
  } streams[] = {
      {"directory", std::fopen(dir.c_str(), "r")},
      {"write-only stream", std::fopen(write_only.c_str(), "w")},
  };
  for (const Unreadable& s : streams) {
    ASSERT_NE(s.stream, nullptr) << s.what;
    scanner_input = s.stream;
    scanner_reset();
    int status = -1;
    std::string message;
    {
      ExitTrap trap;
      StreamCapture err(stderr);
      try {
        next_token();
      } catch (const ProcessExit& exit) {
        status = exit.status;
      }
      message = err.text();
    }
    EXPECT_EQ(status, 2) << s.what;
    EXPECT_EQ(message, "input in flex scanner failed\n") << s.what;
    std::fclose(s.stream);
    // The next source after an intercepted failure is scanned from its start.
    EndPosition end{};
    EXPECT_EQ(scan_source("Z;", &end),
              (std::vector<Scanned>{{ID, 1, 1, "Z"}, {TOKEN_SEMICOLON, 1, 2, {}}}))
        << s.what;
  }
}

}  // namespace
