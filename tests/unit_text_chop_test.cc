// Whole runs of the program, each unit file's exact text, and the unit
// files put back together giving the source. Where a unit ends on the line
// where the next begins, the line is cut at the next unit's first token,
// the text before it staying with the earlier unit. A source read as a
// later revision that opens with a UTF-8 byte-order mark has the mark
// belong to the whole source, so every unit file opens with it, and the
// unit files make up the source once the marks of all but the first are
// taken away; Ada 95 reads no mark, whose bytes go with the first unit.
#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

#include "tests/cli_harness.h"

namespace {

const std::string mark = "\xEF\xBB\xBF";

// A source, the revision it is read as, the unit files its chop must write
// in writing order, and whether they repeat the source's mark.
struct UnitTextRow {
  const char* name;
  const char* revision;  // MIRELCHOP_ADA
  std::string source;
  UnitFiles files;
  bool repeated = false;  // every unit file after the first opens with the mark
};

void PrintTo(const UnitTextRow& row, std::ostream* os) { *os << row.name; }

const UnitTextRow unit_text_rows[] = {
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
    {"OneUnit", "2005", mark + "package P is end P;\n", {{"p.ads", mark + "package P is end P;\n"}}, true},
    {"EveryUnitFileOpensWithTheMark",
     "2012",
     mark + "-- Lib\npackage A is\nend A;\n\npackage body A is\nend A;\nprocedure Main is begin null; end Main;\n",
     {{"a.ads", mark + "-- Lib\npackage A is\nend A;\n"},
      {"a.adb", mark + "\npackage body A is\nend A;\n"},
      {"main.adb", mark + "procedure Main is begin null; end Main;\n"}},
     true},
    {"UnitsSharingTheFirstLine",
     "2022",
     mark + "package A is end A; package B is end B;\n",
     {{"a.ads", mark + "package A is end A; "}, {"b.ads", mark + "package B is end B;\n"}},
     true},
    {"Ada95ReadsNoMark",
     "95",
     mark + "package A is\nend A;\npackage B is\nend B;\n",
     {{"a.ads", mark + "package A is\nend A;\n"}, {"b.ads", "package B is\nend B;\n"}},
     false},
    {"NoMarkNoneAdded",
     "2022",
     "package A is\nend A;\npackage B is\nend B;\n",
     {{"a.ads", "package A is\nend A;\n"}, {"b.ads", "package B is\nend B;\n"}},
     false},
};

class UnitTextChopTest : public ::testing::TestWithParam<UnitTextRow> {};

TEST_P(UnitTextChopTest, UnitFilesMakeUpTheSource) {
  const UnitTextRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", row.source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {{"MIRELCHOP_ADA", row.revision}}, scratch.path});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  std::string unmarked;
  for (std::size_t i = 0; i < row.files.size(); ++i) {
    const std::string& text = row.files[i].second;
    const bool drop = row.repeated && i > 0;
    if (drop) EXPECT_EQ(text.substr(0, mark.size()), mark) << row.files[i].first;
    unmarked += text.substr(drop ? mark.size() : 0);
  }
  EXPECT_EQ(unmarked, row.source);
  EXPECT_EQ(joined.size(), row.source.size() + (row.repeated ? mark.size() * (row.files.size() - 1) : 0));
  EXPECT_EQ(list_dir(scratch.path).size(), row.files.size() + 1) << "source.txt and the unit files only";
}

INSTANTIATE_TEST_SUITE_P(Rows, UnitTextChopTest, ::testing::ValuesIn(unit_text_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
