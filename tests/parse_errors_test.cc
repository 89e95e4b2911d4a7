// What the parse accepts and where it stops: syntax errors with their exact
// message and position, the parse-stack limit, and borderline forms that
// must be accepted.

#include <gtest/gtest.h>

#include <string>

#include "analysis/parser.h"
#include "tests/parse_harness.h"
#include "tests/nested_source.h"

namespace {

// The note that follows the syntax error of an Ada 95 reading of `name`
// when the source reads as Ada 2022.
std::string later_revision_note(const std::string& name) {
  return "Note: \"" + name + "\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n";
}

// A source, the name it is parsed under, and how the parse must end.
struct ErrorRow {
  const char* what;
  std::string source;
  const char* name;
  std::string err;  // empty: the source is accepted
  size_t units;     // units created before the end
  AdaRevision revision = ADA_95;
};

// An object declaration in a library package whose initial value is a
// numeric literal inside `depth` pairs of parentheses.
std::string nested_parentheses(int depth) {
  return "package P is\n   X : Integer := " + std::string(depth, '(') + "1" + std::string(depth, ')') +
         ";\nend P;\n";
}

const ErrorRow error_rows[] = {
    // Both read as Ada 2022, which the note after the error says.
    {"use clause before the first with clause",
     "use Ada.Text_IO;\nwith Ada.Text_IO;\nprocedure P is begin null; end P;\n", "x.ada",
     "x.ada:1:1: Syntax error while analysing, can't continue.\n" + later_revision_note("x.ada"), 0},
    {"limited with",
     "with A;\n  limited with B;\npackage P is end P;\n", "x.ada",
     "x.ada:2:3: Syntax error while analysing, can't continue.\n" + later_revision_note("x.ada"), 0},
    // The units made before the error stay as they were after Ada 2022's reading.
    {"aspect after a complete unit",
     "package Q is end Q;\npackage P with Pure is end P;\n", "src/p.ada",
     "src/p.ada:2:11: Syntax error while analysing, can't continue.\n" + later_revision_note("src/p.ada"), 1},
    // As Ada 2022 it has a syntax error too.
    {"aspect and an error that every revision has",
     "package P with Pure is\n   X := 1;\nend P;\n", "x.ada",
     "x.ada:1:11: Syntax error while analysing, can't continue.\n", 0},
    {"the same error in Ada 2012", "package P with Pure is\n   X := 1;\nend P;\n", "x.ada",
     "x.ada:2:6: Syntax error while analysing, can't continue.\n", 0, ADA_2012},
    // A package specification is created when its END is read, so the
    // unit without its semicolon exists when the error is found.
    {"missing final semicolon, file ending with a newline",
     "package P is\nend P\n", "src/p.ads",
     "src/p.ads:3:1: Syntax error while analysing, can't continue.\n", 1},
    {"missing final semicolon, file ending inside the last line",
     "package Q is end Q;\npackage P is end P", "x.ada",
     "x.ada:2:18: Syntax error while analysing, can't continue.\n", 2},
    {"error inside a later unit, after a tab",
     "package Q is end Q;\nprocedure R is\nbegin\n\tX := ;\nend R;\n", "x.ada",
     "x.ada:4:7: Syntax error while analysing, can't continue.\n", 1},
    {"file name holding a placeholder",
     "package is\n", "odd%2.ada",
     "odd%2.ada:1:9: Syntax error while analysing, can't continue.\n", 0},
    {"with clause and nothing after it", "with A;\n", "x.ada",
     "x.ada:2:1: Syntax error while analysing, can't continue.\n", 0},
    // The names gathered so far belong to no unit yet; the leak checker
    // of the sanitizer build sees them lost unless the parse state holds them.
    {"with clause cut short after its second name", "with A.B, C\n", "x.ada",
     "x.ada:2:1: Syntax error while analysing, can't continue.\n", 0},
    {"interface is an identifier",
     "package P is\n   interface : Integer;\n   overriding, synchronized : Boolean;\nend P;\n", "x.ada", "", 1},
    {"subtype with empty parentheses", "package P is\n   X : T ();\nend P;\n", "x.ada", "", 1},
    {"lone function", "function F;\n", "x.ada", "", 1},
    {"private child package", "private package A.P is\nend A.P;\n", "x.ada", "", 1},
    {"pragmas only", "pragma Ada_95;\npragma Restrictions (No_Tasking);\n", "x.ada", "", 0},
    {"comments only", "-- nothing here\n", "x.ada", "", 0},
    {"empty file", "", "x.ada", "", 0},
    {"386 pairs of parentheses fill the parse stack", nested_parentheses(386), "x.ada", "", 1},
    // The stack overflows with the first closing parenthesis as lookahead;
    // the later revisions' deeper stack holds them.
    {"387 pairs of parentheses overflow it", nested_parentheses(387), "x.ada",
     "x.ada:2:407: Syntax error while analysing, can't continue.\n" + later_revision_note("x.ada"), 0},
    // The later revisions' stack holds 10,000 entries.
    {"387 pairs of parentheses in Ada 2022", nested_parentheses(387), "x.ada", "", 1, ADA_2022},
    {"9988 pairs of parentheses fill the later revisions' parse stack", nested_parentheses(9988), "x.ada", "", 1,
     ADA_2022},
    {"9989 pairs of parentheses nest too deeply for it", nested_parentheses(9989), "x.ada",
     "x.ada:2:10009: Construct nested too deeply, can't continue.\n", 0, ADA_2022},
    {"9989 pairs of parentheses nest too deeply in Ada 2005", nested_parentheses(9989), "x.ada",
     "x.ada:2:10009: Construct nested too deeply, can't continue.\n", 0, ADA_2005},
    {"48 nested case statements in Ada 2022", nested_case_statements(48), "x.ada", "", 1, ADA_2022},
    {"1248 nested case statements fill the later revisions' parse stack", nested_case_statements(1248), "x.ada", "",
     1, ADA_2022},
    {"1249 nested case statements nest too deeply for it", nested_case_statements(1249), "x.ada",
     "x.ada:1252:5: Construct nested too deeply, can't continue.\n", 0, ADA_2022},
};

TEST(ParseErrorsTest, SyntaxErrorsStopAtTheirPosition) {
  for (const ErrorRow& row : error_rows) {
    SCOPED_TRACE(row.what);
    const ParseOutcome outcome = parse_text(row.source, parse_compilation, row.name, row.revision);
    EXPECT_EQ(outcome.err, row.err);
    if (row.err.empty())
      EXPECT_EQ(outcome.exit_status, std::nullopt);
    else
      EXPECT_EQ(outcome.exit_status, 7);
    EXPECT_EQ(outcome.units.size(), row.units);
  }
}

}  // namespace
