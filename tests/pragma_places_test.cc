// Pragmas stand wherever the Reference Manual allows them (RM 2.8), and an
// entry may follow a representation clause in a task definition: whole runs
// of the program in Ada 95 and in a later revision, each unit file's exact
// text, and the unit files put back together giving the source. Such pragmas
// belong to no unit of their own, so the units are those without them.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "tests/cli_harness.h"

namespace {

// A unit holding a pragma (or entry) at one place, and the name of its file.
// Each source is the unit followed by the package Next, so that the unit's
// end is checked too.
struct PragmaPlaceRow {
  const char* name;
  const char* file;
  std::string unit;
};

void PrintTo(const PragmaPlaceRow& row, std::ostream* os) { *os << row.name; }

// A procedure whose statements are `statements`.
std::string procedure_with(const std::string& statements) {
  return "procedure P is\nbegin\n" + statements + "end P;\n";
}

// A package declaring the record R and its representation clause, whose
// items are `items`.
std::string record_layout_with(const std::string& items) {
  return "package L is\n   type R is record\n      A, B : Integer;\n   end record;\n"
         "   for R use record\n" + items + "   end record;\nend L;\n";
}

const PragmaPlaceRow pragma_place_rows[] = {
    {"AfterUseRecord", "l.ads",
     record_layout_with("      pragma Warnings (Off);\n      at mod 4;\n      A at 0 range 0 .. 31;\n")},
    {"AfterTheModClause", "l.ads",
     record_layout_with("      at mod 4;\n      pragma Warnings (Off);\n      A at 0 range 0 .. 31;\n")},
    {"BetweenComponentClauses", "l.ads",
     record_layout_with("      A at 0 range 0 .. 31;\n      pragma Warnings (Off);\n      B at 4 range 0 .. 31;\n")},
    {"AfterTheLastComponentClause", "l.ads",
     record_layout_with("      A at 0 range 0 .. 31;\n      pragma Warnings (On);\n")},
    {"BeforeTheFirstExceptionHandler", "p.adb",
     procedure_with("   null;\nexception\n   pragma Warnings (Off);\n   when others =>\n      null;\n")},
    {"AfterSelectInASelectiveAccept", "p.adb",
     procedure_with("   select\n      pragma Warnings (Off);\n      accept E;\n   end select;\n")},
    {"AfterOrInASelectiveAccept", "p.adb",
     procedure_with("   select\n      accept E;\n   or\n      pragma Warnings (Off);\n      delay 1.0;\n"
                    "   end select;\n")},
    {"AfterAGuardsArrow", "p.adb",
     procedure_with("   select\n      when C =>\n         pragma Warnings (Off);\n         accept E;\n"
                    "   end select;\n")},
    {"AfterTerminateBeforeOr", "p.adb",
     procedure_with("   select\n      terminate;\n      pragma Warnings (Off);\n   or\n      accept E;\n"
                    "   end select;\n")},
    {"AfterTerminateBeforeEndSelect", "p.adb",
     procedure_with("   select\n      accept E;\n   or\n      terminate;\n      pragma Warnings (Off);\n"
                    "   end select;\n")},
    {"AfterSelectInAConditionalEntryCall", "p.adb",
     procedure_with("   select\n      pragma Warnings (Off);\n      T.E;\n   else\n      null;\n   end select;\n")},
    {"AfterSelectInATimedEntryCall", "p.adb",
     procedure_with("   select\n      pragma Warnings (Off);\n      T.E;\n   or\n      delay 1.0;\n   end select;\n")},
    {"AfterOrInATimedEntryCall", "p.adb",
     procedure_with("   select\n      T.E;\n   or\n      pragma Warnings (Off);\n      delay 1.0;\n   end select;\n")},
    {"AfterSelectInAnAsynchronousSelect", "p.adb",
     procedure_with("   select\n      pragma Warnings (Off);\n      delay 1.0;\n   then abort\n      null;\n"
                    "   end select;\n")},
    {"EntryAfterARepresentationClause", "k.ads",
     "package K is\n   task T is\n      entry A;\n      for A'Address use 16#10#;\n      entry B;\n"
     "      for B'Address use 16#20#;\n   end T;\nend K;\n"},
    {"EntryAfterARepresentationClauseAndAPragma", "k.ads",
     "package K is\n   task type T is\n      entry A;\n      for A'Address use 16#10#;\n"
     "      pragma Warnings (Off);\n      entry B;\n   end T;\nend K;\n"},
    {"EntryAfterARepresentationClauseInThePrivatePart", "k.ads",
     "package K is\n   task T is\n      entry A;\n   private\n      entry B;\n      for B'Address use 16#20#;\n"
     "      entry C;\n   end T;\nend K;\n"},
};

// The revisions: MIRELCHOP_ADA unset reads Ada 95.
const std::optional<std::string> revisions[] = {std::nullopt, "2022"};

class PragmaPlaceTest
    : public ::testing::TestWithParam<std::tuple<PragmaPlaceRow, std::optional<std::string>>> {};

TEST_P(PragmaPlaceTest, UnitFilesMakeUpTheSource) {
  const auto& [row, revision] = GetParam();
  const std::string next = "package Next is\nend Next;\n";
  const std::string source = row.unit + next;
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {{"MIRELCHOP_ADA", revision}}, scratch.path});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const auto [listing, joined] = expect_unit_files(scratch.path, {{row.file, row.unit}, {"next.ads", next}});
  EXPECT_EQ(result.out, listing);
  EXPECT_EQ(joined, source);
}

INSTANTIATE_TEST_SUITE_P(Rows, PragmaPlaceTest,
                         ::testing::Combine(::testing::ValuesIn(pragma_place_rows), ::testing::ValuesIn(revisions)),
                         [](const auto& info) {
                           const auto& revision = std::get<1>(info.param);
                           return std::string(std::get<0>(info.param).name) + "_Ada" + revision.value_or("95");
                         });

}  // namespace
