// A source whose pragmas before its first unit state a revision is read in
// that revision, whatever MIRELCHOP_ADA says; the next source starts again
// from MIRELCHOP_ADA. Whole runs of the program, each unit file's exact text.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli_harness.h"

namespace {

// Sources chopped in one run, in this order, with MIRELCHOP_ADA set to
// `revision`, and the unit files the run must write in writing order.
struct StatedRevisionRow {
  const char* name;
  const char* revision;  // MIRELCHOP_ADA
  std::vector<std::pair<std::string, std::string>> sources;  // file name, text
  UnitFiles files;
  int status = 0;
  std::string err = "";  // standard error, exactly
};

void PrintTo(const StatedRevisionRow& row, std::ostream* os) { *os << row.name; }

// The note after the syntax error when a source that states no revision is
// refused as Ada 95 but reads as Ada 2022.
const std::string later_revision_note =
    "Note: \"s.ada\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n";

// Interface is an identifier in Ada 95 only, Some up to Ada 2005, Parallel up
// to Ada 2012; limited with clauses come with Ada 2005, aspects with 2012.
const StatedRevisionRow stated_revision_rows[] = {
    {"Ada83IsReadAsAda95",
     "2012",
     {{"s.ada", "pragma ADA_83;\npackage Interface is end Interface;\n"}},
     {{"interface.ads", "pragma ADA_83;\npackage Interface is end Interface;\n"}}},
    {"Ada95",
     "2022",
     {{"s.ada", "pragma ada_95;\npackage Interface is end Interface;\n"}},
     {{"interface.ads", "pragma ada_95;\npackage Interface is end Interface;\n"}}},
    {"Ada05",
     "95",
     {{"s.ada", "pragma Ada_05;\nlimited with Q;\npackage Some is end Some;\n"}},
     {{"some.ads", "pragma Ada_05;\nlimited with Q;\npackage Some is end Some;\n"}}},
    {"Ada2005",
     "95",
     {{"s.ada", "pragma aDA_2005;\nlimited with Q;\npackage Some is end Some;\n"}},
     {{"some.ads", "pragma aDA_2005;\nlimited with Q;\npackage Some is end Some;\n"}}},
    {"Ada12",
     "95",
     {{"s.ada", "pragma Ada_12;\npackage Parallel with Pure is end Parallel;\n"}},
     {{"parallel.ads", "pragma Ada_12;\npackage Parallel with Pure is end Parallel;\n"}}},
    {"Ada2012",
     "95",
     {{"s.ada", "PRAGMA ADA_2012;\npackage Parallel with Pure is end Parallel;\n"}},
     {{"parallel.ads", "PRAGMA ADA_2012;\npackage Parallel with Pure is end Parallel;\n"}}},
    {"Ada2022",
     "95",
     {{"s.ada", "pragma ada_2022;\npackage Parallel is end Parallel;\n"}},
     {},
     7,
     "s.ada:2:9: Syntax error while analysing, can't continue.\n"},
    {"AfterOtherPragmasAndComments",
     "95",
     {{"s.ada", "-- Header\npragma Restrictions (No_Abort_Statements);\npragma Ada_2012; -- aspects\n"
                "package P with Pure is end P;\n"}},
     {{"p.ads", "-- Header\npragma Restrictions (No_Abort_Statements);\npragma Ada_2012; -- aspects\n"
                "package P with Pure is end P;\n"}}},
    {"TheLastOfSeveralWins",
     "2012",
     {{"s.ada", "pragma Ada_2012;\npragma Ada_95;\npackage Interface is end Interface;\n"}},
     {{"interface.ads", "pragma Ada_2012;\npragma Ada_95;\npackage Interface is end Interface;\n"}}},
    {"WithAnArgumentItStatesNone",
     "95",
     {{"s.ada", "pragma Ada_2012 (P);\npackage P with Pure is end P;\n"}},
     {},
     7,
     "s.ada:2:11: Syntax error while analysing, can't continue.\n" + later_revision_note},
    {"AfterAContextClauseItStatesNone",
     "95",
     {{"s.ada", "with Q;\npragma Ada_2012;\npackage P with Pure is end P;\n"}},
     {},
     7,
     "s.ada:3:11: Syntax error while analysing, can't continue.\n" + later_revision_note},
    {"AfterTheFirstUnitItStatesNone",
     "95",
     {{"s.ada", "package P is end P;\npragma Ada_2012;\npackage Q with Pure is end Q;\n"}},
     {},
     7,
     "s.ada:3:11: Syntax error while analysing, can't continue.\n" + later_revision_note},
    // It asked for Ada 95: no note.
    {"Ada95WithLaterSyntax",
     "2012",
     {{"s.ada", "pragma Ada_95;\npackage P with Pure is end P;\n"}},
     {},
     7,
     "s.ada:2:11: Syntax error while analysing, can't continue.\n"},
    {"TheNextSourceStartsFromTheEnvironment",
     "95",
     {{"a.ada", "pragma Ada_2012;\npackage A with Pure is end A;\n"},
      {"b.ada", "package Interface is end Interface;\n"}},
     {{"a.ads", "pragma Ada_2012;\npackage A with Pure is end A;\n"},
      {"interface.ads", "package Interface is end Interface;\n"}}},
};

class StatedRevisionTest : public ::testing::TestWithParam<StatedRevisionRow> {};

TEST_P(StatedRevisionTest, EachSourceIsReadInTheRevisionItStates) {
  const StatedRevisionRow& row = GetParam();
  const ScratchDir scratch;
  std::vector<std::string> words = {"-l"};
  std::string joined_sources;
  for (const auto& [file, text] : row.sources) {
    write_file(scratch.path + "/" + file, text);
    words.push_back(file);
    joined_sources += text;
  }
  const CliResult result = run_mirelchop({words, {{"MIRELCHOP_ADA", row.revision}}, scratch.path});
  EXPECT_EQ(result.status, row.status);
  EXPECT_EQ(result.err, row.err);
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  if (row.status == 0) EXPECT_EQ(joined, joined_sources);
  EXPECT_EQ(list_dir(scratch.path).size(), row.files.size() + row.sources.size()) << "sources and unit files only";
}

INSTANTIATE_TEST_SUITE_P(Rows, StatedRevisionTest, ::testing::ValuesIn(stated_revision_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
