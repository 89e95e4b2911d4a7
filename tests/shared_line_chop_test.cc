// Whole runs of the program on sources where a unit ends on the line where
// the next begins: the line is cut at the next unit's first token, the text
// before it staying with the earlier unit; each unit file's exact text, and
// the unit files put back together giving the source.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/cli_harness.h"

namespace {

// A source, the revision it is read as, and the unit files its chop must
// write in writing order.
struct SharedLineRow {
  const char* name;
  const char* revision;  // MIRELCHOP_ADA
  std::string source;
  UnitFiles files;
};

void PrintTo(const SharedLineRow& row, std::ostream* os) { *os << row.name; }

const SharedLineRow shared_line_rows[] = {
    {"TwoUnitsOnALine",
     "95",
     "package A is end A; package B is end B;\nprocedure C is begin null; end C;\n",
     {{"a.ads", "package A is end A; "},
      {"b.ads", "package B is end B;\n"},
      {"c.adb", "procedure C is begin null; end C;\n"}}},
    {"ThreeUnitsOnALine",
     "95",
     "package A is end A;  package B is end B;\tprocedure C is begin null; end C;\n",
     {{"a.ads", "package A is end A;  "},
      {"b.ads", "package B is end B;\t"},
      {"c.adb", "procedure C is begin null; end C;\n"}}},
    {"TabsAndAStringBeforeTheEnd",
     "95",
     "\tpackage A is\tX : String := \"a;b\";\tend A; package B is end B;\n",
     {{"a.ads", "\tpackage A is\tX : String := \"a;b\";\tend A; "}, {"b.ads", "package B is end B;\n"}}},
    {"CommentsAfterTheEnds",
     "95",
     "package A is end A; -- package B is end B;\npackage B is end B; package C is end C; -- last\n-- after\n",
     {{"a.ads", "package A is end A; -- package B is end B;\n"},
      {"b.ads", "package B is end B; "},
      {"c.ads", "package C is end C; -- last\n-- after\n"}}},
    {"CarriageReturnLineEnds",
     "95",
     "package A is\rend A;\rpackage B is\r   X : Integer;\rend B;\rprocedure C is begin null; end C;\r",
     {{"a.ads", "package A is\rend A;\r"},
      {"b.ads", "package B is\r   X : Integer;\rend B;\r"},
      {"c.adb", "procedure C is begin null; end C;\r"}}},
    {"CarriageReturnLineEndsWithComments",
     "95",
     "-- first\rpackage A is end A; -- after A\r-- before B\rpackage B is\r   X : Integer; -- in B\rend B;\r",
     {{"a.ads", "-- first\rpackage A is end A; -- after A\r-- before B\r"},
      {"b.ads", "package B is\r   X : Integer; -- in B\rend B;\r"}}},
    {"CarriageReturnLineFeedLineEnds",
     "95",
     "package A is end A; package B is end B;\r\nprocedure C is begin null; end C;\r\n",
     {{"a.ads", "package A is end A; "},
      {"b.ads", "package B is end B;\r\n"},
      {"c.adb", "procedure C is begin null; end C;\r\n"}}},
    {"ContextClauseOnTheEndLine",
     "95",
     "package A is\n   X : Integer;\nend A; with A; use A; procedure C is begin null; end C;\n",
     {{"a.ads", "package A is\n   X : Integer;\nend A; "},
      {"c.adb", "with A; use A; procedure C is begin null; end C;\n"}}},
    {"TrailingPragmaStaysWithItsUnit",
     "95",
     "package A is end A; pragma Preelaborate (A); package B is end B;\n",
     {{"a.ads", "package A is end A; pragma Preelaborate (A); "}, {"b.ads", "package B is end B;\n"}}},
    {"ConfigurationPragmaOpensTheNextUnit",
     "2022",
     "procedure P; pragma Ada_2022; package B is end B;\n",
     {{"p.ads", "procedure P; "}, {"b.ads", "pragma Ada_2022; package B is end B;\n"}}},
    {"UnitsOnSeparateLinesStayWhole",
     "95",
     "package A is end A; -- A\n\npackage B is end B;\n",
     {{"a.ads", "package A is end A; -- A\n"}, {"b.ads", "\npackage B is end B;\n"}}},
};

class SharedLineChopTest : public ::testing::TestWithParam<SharedLineRow> {};

TEST_P(SharedLineChopTest, UnitFilesMakeUpTheSource) {
  const SharedLineRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", row.source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {{"MIRELCHOP_ADA", row.revision}}, scratch.path});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  EXPECT_EQ(joined, row.source);
  EXPECT_EQ(list_dir(scratch.path).size(), row.files.size() + 1) << "source.txt and the unit files only";
}

INSTANTIATE_TEST_SUITE_P(Rows, SharedLineChopTest, ::testing::ValuesIn(shared_line_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
