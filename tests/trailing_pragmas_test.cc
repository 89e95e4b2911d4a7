// Pragmas that follow a library item belong to its unit, up to the first
// configuration pragma, which opens the next unit: whole runs of the
// program on sources with trailing pragmas, each unit file's exact text, and
// the unit files put back together giving the source.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli_harness.h"

namespace {

// A source and the unit files its chop must write, in writing order.
struct TrailingPragmaRow {
  const char* name;
  std::string source;
  UnitFiles files;
  std::string err = "";  // standard error, exactly
};

void PrintTo(const TrailingPragmaRow& row, std::ostream* os) { *os << row.name; }

const TrailingPragmaRow trailing_pragma_rows[] = {
    {"AfterPackageInstantiation",
     "with G;\npackage Inst is new G;\npragma Preelaborate (Inst);\npackage Next is\nend Next;\n",
     {{"inst.ads", "with G;\npackage Inst is new G;\npragma Preelaborate (Inst);\n"},
      {"next.ads", "package Next is\nend Next;\n"}}},
    {"AfterSubprogramDeclaration",
     "function F (X : Integer) return Integer;\npragma Inline (F);\nprocedure Main is\nbegin\n   null;\nend Main;\n",
     {{"f.ads", "function F (X : Integer) return Integer;\npragma Inline (F);\n"},
      {"main.adb", "procedure Main is\nbegin\n   null;\nend Main;\n"}}},
    {"AfterPackageBody",
     "package body P is\nend P;\npragma Elaborate_Body;\nprocedure Q;\n",
     {{"p.adb", "package body P is\nend P;\npragma Elaborate_Body;\n"}, {"q.ads", "procedure Q;\n"}}},
    {"SeveralPragmasOverSeveralLines",
     "procedure Swap is new G;\npragma Inline\n  (Swap);\n\npragma Preelaborate\n  (Swap);\npackage Next is end Next;\n",
     {{"swap.ads", "procedure Swap is new G;\npragma Inline\n  (Swap);\n\npragma Preelaborate\n  (Swap);\n"},
      {"next.ads", "package Next is end Next;\n"}}},
    // A configuration pragma, and every pragma after it, opens the next
    // compilation unit, where a compiler accepts it.
    {"ConfigurationPragmaOverSeveralLinesGoesToTheNextUnit",
     "package Inst is new G;\npragma Preelaborate\n  (Inst);\n\npragma Warnings\n  (Off);\npackage Next is end Next;\n",
     {{"inst.ads", "package Inst is new G;\npragma Preelaborate\n  (Inst);\n"},
      {"next.ads", "\npragma Warnings\n  (Off);\npackage Next is end Next;\n"}}},
    {"RestrictionsBetweenUnitsGoToTheNextUnit",
     "package P is end P;\npragma restrictions (No_Abort_Statements);\npackage Q is end Q;\n",
     {{"p.ads", "package P is end P;\n"},
      {"q.ads", "pragma restrictions (No_Abort_Statements);\npackage Q is end Q;\n"}}},
    {"LibraryUnitPragmaAfterAConfigurationPragmaGoesToTheNextUnit",
     "package P is end P;\npragma Pure (P);\npragma SUPPRESS (All_Checks); pragma Elaborate_Body;\npackage body Q is end Q;\n",
     {{"p.ads", "package P is end P;\npragma Pure (P);\n"},
      {"q.adb", "pragma SUPPRESS (All_Checks); pragma Elaborate_Body;\npackage body Q is end Q;\n"}}},
    {"PragmaOnTheLineOfTheUnitsEnd",
     "package P is end P; pragma Pure (P);\npackage Q is end Q;\n",
     {{"p.ads", "package P is end P; pragma Pure (P);\n"}, {"q.ads", "package Q is end Q;\n"}}},
    {"PragmasAfterTheLastUnit",
     "package P is end P;\nprocedure Q;\npragma Inline (Q);\n-- end of file\n",
     {{"p.ads", "package P is end P;\n"}, {"q.ads", "procedure Q;\npragma Inline (Q);\n-- end of file\n"}}},
    {"PragmasThenACommentAndTheNextUnit",
     "procedure Q;\npragma Inline (Q);\n\n-- About R\npackage R is end R;\n",
     {{"q.ads", "procedure Q;\npragma Inline (Q);\n"}, {"r.ads", "\n-- About R\npackage R is end R;\n"}}},
    {"PragmasBeforeTheFirstUnitStayWithIt",
     "pragma Ada_95;\npackage P is end P;\npragma Pure (P);\npackage Q is end Q;\n",
     {{"p.ads", "pragma Ada_95;\npackage P is end P;\npragma Pure (P);\n"}, {"q.ads", "package Q is end Q;\n"}}},
    {"PragmasAfterASubunit",
     "separate (P)\nprocedure S is\nbegin\n   null;\nend S;\npragma Inline (S);\npackage Q is end Q;\n",
     {{"p-s.adb", "separate (P)\nprocedure S is\nbegin\n   null;\nend S;\npragma Inline (S);\n"},
      {"q.ads", "package Q is end Q;\n"}}},
    {"PragmasAfterAnOperatorFunctionGoWithTheNextUnit",
     "package P is end P;\nfunction \"+\" (L, R : T) return T;\npragma Inline (\"+\");\npackage Q is end Q;\n",
     {{"p.ads", "package P is end P;\n"},
      {"q.ads", "function \"+\" (L, R : T) return T;\npragma Inline (\"+\");\npackage Q is end Q;\n"}},
     "Error source.txt:2: operator not allowed at library level\n"},
};

class TrailingPragmaTest : public ::testing::TestWithParam<TrailingPragmaRow> {};

TEST_P(TrailingPragmaTest, UnitFilesKeepTheirPragmasAndMakeUpTheSource) {
  const TrailingPragmaRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", row.source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {}, scratch.path});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  EXPECT_EQ(result.err, row.err);
  EXPECT_EQ(joined, row.source);
}

INSTANTIATE_TEST_SUITE_P(Rows, TrailingPragmaTest, ::testing::ValuesIn(trailing_pragma_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
