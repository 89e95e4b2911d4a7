// A parse cut short by an intercepted end of the process, then abandoned:
// nothing of it may reach the next source, and the units it made stay for
// the caller.

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <utility>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "driver/run_settings.h"
#include "tests/stream_capture.h"

namespace {

// A source whose parse ends the process, and what it leaves.
struct CutRow {
  const char* name;
  std::string source;  // empty: a stream whose every read fails
  AdaRevision revision;
  int status;
  int units;  // units made before the end
};

const CutRow cut_rows[] = {
    // The text after the error is still in the scanner's buffer when the
    // parse ends; read by the next parse, it would yield a unit Z.
    {"SyntaxErrorWithTextAfterIt", "package P is\n   X := ;\nend P;\nprocedure Z is begin null; end Z;\n",
     ADA_95, 7, 0},
    {"SyntaxErrorInNestedConstructsOfALaterRevision",
     "with A, B;\npackage P is\n   package Q is\n      procedure R is begin null end;\nend Q;\nend P;\n"
     "procedure Z is begin null; end Z;\n",
     ADA_2012, 7, 0},
    {"SyntaxErrorAfterACompleteUnit", "package Q is end Q;\nprocedure R is\nbegin\n   X := ;\nend R;\n",
     ADA_95, 7, 1},
    // The scanner has emptied its buffer; reading on would fail again.
    {"ReadFailure", "", ADA_2022, 2, 0},
};

void PrintTo(const CutRow& row, std::ostream* out) { *out << row.name; }

class ParseLifeTest : public testing::TestWithParam<CutRow> {};

TEST_P(ParseLifeTest, AbandonedParseLeavesTheNextSourceClean) {
  const CutRow& row = GetParam();
  std::string bytes = row.source;
  FILE* stream = bytes.empty() ? std::fopen(FIXTURE_DIR, "r") : fmemopen(bytes.data(), bytes.size(), "r");
  ASSERT_NE(stream, nullptr);
  current_source_name = "x.ada";
  const AdaRevision run_revision = std::exchange(ada_revision, row.revision);
  analysis_begin(stream);
  int status = -1;
  {
    ExitTrap trap;
    StreamCapture err(stderr);
    try {
      parse_compilation();
    } catch (const ProcessExit& exit) {
      status = exit.status;
    }
    EXPECT_NO_THROW(analysis_abandon());
  }
  std::fclose(stream);
  EXPECT_EQ(status, row.status);
  EXPECT_EQ(name_stack_top(), nullptr);
  int units = 0;
  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next) ++units;
  EXPECT_EQ(units, row.units);
  units_free_all();

  std::string next = "package N is end N;\n";
  stream = fmemopen(next.data(), next.size(), "r");
  ASSERT_NE(stream, nullptr);
  analysis_begin(stream);
  {
    ExitTrap trap;
    StreamCapture err(stderr);
    try {
      EXPECT_EQ(parse_compilation(), 0);
    } catch (const ProcessExit& exit) {
      ADD_FAILURE() << "the next source ended the process with status " << exit.status << ": " << err.text();
      analysis_abandon();
    }
  }
  std::fclose(stream);
  const Unit* unit = units_first();
  ASSERT_NE(unit, nullptr);
  EXPECT_STREQ(unit->full_name, "N");
  EXPECT_EQ(unit->context, nullptr);
  EXPECT_EQ(unit->end_line, 1u);
  EXPECT_EQ(unit->next, nullptr);
  units_free_all();
  ada_revision = run_revision;
}

INSTANTIATE_TEST_SUITE_P(Cuts, ParseLifeTest, testing::ValuesIn(cut_rows),
                         [](const testing::TestParamInfo<CutRow>& info) { return std::string(info.param.name); });

}  // namespace
