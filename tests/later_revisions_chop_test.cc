// Whole runs of the program on sources of the later revisions, with
// MIRELCHOP_ADA naming the revision: each unit file's exact text, the unit
// files put back together giving the source, and where a revision reads the
// same source otherwise than another.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli_harness.h"
#include "tests/nested_source.h"

namespace {

// A source, the revision it is read as, and the unit files its chop must
// write in writing order (none when the source is refused).
struct RevisionChopRow {
  const char* name;
  std::optional<std::string> revision;  // MIRELCHOP_ADA; nullopt: unset
  std::string source;
  UnitFiles files;
  int status = 0;
  std::string err = "";  // standard error, exactly
};

void PrintTo(const RevisionChopRow& row, std::ostream* os) { *os << row.name; }

const RevisionChopRow revision_chop_rows[] = {
    {"ContextClausesOfEveryKind",
     "2005",
     "limited with A.B;\nprivate with C;\nlimited private with D;\npackage P is\nend P;\n"
     "private with P;\nprivate package P.Q is\nend P.Q;\n",
     {{"p.ads", "limited with A.B;\nprivate with C;\nlimited private with D;\npackage P is\nend P;\n"},
      {"p-q.ads", "private with P;\nprivate package P.Q is\nend P.Q;\n"}}},
    {"AspectsOnSpecificationBodyAndInstantiation",
     "2012",
     "package P with Preelaborate is\n   function F (X : Integer) return Integer is (X + 1)\n     with Inline;\nend P;\n"
     "package body P with SPARK_Mode => Off is\nend P;\n"
     "procedure Swap is new Generic_Swap (Integer) with Inline;\n",
     {{"p.ads",
       "package P with Preelaborate is\n   function F (X : Integer) return Integer is (X + 1)\n     with Inline;\nend P;\n"},
      {"p.adb", "package body P with SPARK_Mode => Off is\nend P;\n"},
      {"swap.ads", "procedure Swap is new Generic_Swap (Integer) with Inline;\n"}}},
    {"SubunitOfAnOverridingProcedure",
     "2022",
     "separate (Shapes)\noverriding procedure Draw (Item : Circle) is\nbegin\n"
     "   Count := @ + 1;\n   Total := [for I in 1 .. 3 => I]'Reduce (\"+\", 0);\nend Draw;\n",
     {{"shapes-draw.adb",
       "separate (Shapes)\noverriding procedure Draw (Item : Circle) is\nbegin\n"
       "   Count := @ + 1;\n   Total := [for I in 1 .. 3 => I]'Reduce (\"+\", 0);\nend Draw;\n"}}},
    {"ConfigurationPragmaGoesToTheNextUnit",
     "2022",
     "procedure P;\npragma Inline (P);\npragma Ada_2022;\nwith Q;\npackage B is end B;\n",
     {{"p.ads", "procedure P;\npragma Inline (P);\n"}, {"b.ads", "pragma Ada_2022;\nwith Q;\npackage B is end B;\n"}}},
    {"ConfigurationPragmaGoesToTheNextUnitInAda95Too",
     "95",
     "procedure P;\npragma Inline (P);\npragma Ada_2022;\nwith Q;\npackage B is end B;\n",
     {{"p.ads", "procedure P;\npragma Inline (P);\n"}, {"b.ads", "pragma Ada_2022;\nwith Q;\npackage B is end B;\n"}}},
    {"UseClauseOpensTheNextUnit",
     "2022",
     "procedure P;\nuse Q;\nwith Q;\npackage B is end B;\n",
     {{"p.ads", "procedure P;\n"}, {"b.ads", "use Q;\nwith Q;\npackage B is end B;\n"}}},
    {"DeepNestingIsReadInAda2022",
     "2022",
     nested_case_statements(1000),
     {{"p.adb", nested_case_statements(1000)}}},
    {"NestingPastTheParseStackIsRefused",
     "2022",
     nested_case_statements(1249),
     {},
     7,
     "source.txt:1252:5: Construct nested too deeply, can't continue.\n"},
    {"SomeIsAnIdentifierInAda2005",
     "2005",
     "package Some is end Some;\n",
     {{"some.ads", "package Some is end Some;\n"}}},
    {"SomeIsReservedInAda2012",
     "2012",
     "package Some is end Some;\n",
     {},
     7,
     "source.txt:1:9: Syntax error while analysing, can't continue.\n"},
    {"ParallelIsReservedInAda2022",
     "2022",
     "procedure Parallel is begin null; end Parallel;\n",
     {},
     7,
     "source.txt:1:11: Syntax error while analysing, can't continue.\n"},
    {"LaterSyntaxIsAnErrorInAda95",
     "95",
     "package P with Pure is end P;\n",
     {},
     7,
     "source.txt:1:11: Syntax error while analysing, can't continue.\n"
     "Note: \"source.txt\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n"},
    {"LaterSyntaxWithoutARevisionHasANote",
     std::nullopt,
     "with Ada.Text_IO;\nprocedure Modern is\n   X : Integer := (if True then 1 else 2);\n"
     "begin\n   null;\nend Modern;\n",
     {},
     7,
     "source.txt:3:20: Syntax error while analysing, can't continue.\n"
     "Note: \"source.txt\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n"},
    {"AnErrorOfEveryRevisionHasNoNote",
     std::nullopt,
     "package P with Pure is\n   X := 1;\nend P;\n",
     {},
     7,
     "source.txt:1:11: Syntax error while analysing, can't continue.\n"},
    // Only an Ada 95 reading is tried again.
    {"Ada2022SyntaxInAda2012HasNoNote",
     "2012",
     "procedure P is\nbegin\n   parallel do\n      null;\n   and do\n      null;\n   end do;\nend P;\n",
     {},
     7,
     "source.txt:3:13: Syntax error while analysing, can't continue.\n"},
};

class RevisionChopTest : public ::testing::TestWithParam<RevisionChopRow> {};

TEST_P(RevisionChopTest, UnitFilesMakeUpTheSource) {
  const RevisionChopRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", row.source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {{"MIRELCHOP_ADA", row.revision}}, scratch.path});
  EXPECT_EQ(result.status, row.status);
  EXPECT_EQ(result.err, row.err);
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  if (row.status == 0) EXPECT_EQ(joined, row.source);
  EXPECT_EQ(list_dir(scratch.path).size(), row.files.size() + 1) << "source.txt and the unit files only";
}

INSTANTIATE_TEST_SUITE_P(Rows, RevisionChopTest, ::testing::ValuesIn(revision_chop_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
