#include "driver/revision_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "tests/stream_capture.h"

namespace {

// The variable the rows set, so that the caller's MIRELCHOP_ADA plays no part.
const char* const variable = "MIRELCHOP_TEST_ADA";

// A value of the variable (nullopt: unset) and the revision it selects
// (nullopt: refused with status 7).
struct RevisionCase {
  const char* name;
  std::optional<std::string> value;
  std::optional<AdaRevision> selected;
};

// Rows print as their names in test output.
void PrintTo(const RevisionCase& c, std::ostream* os) { *os << c.name; }

class RevisionEnvironmentTest : public ::testing::TestWithParam<RevisionCase> {
 protected:
  // The revision in force is a setting of the whole test program: every row
  // leaves it as the other tests expect it.
  void TearDown() override {
    ada_revision = ADA_95;
    unsetenv(variable);
  }
};

TEST_P(RevisionEnvironmentTest, SelectsTheRevisionOrRefusesTheValue) {
  const RevisionCase& c = GetParam();
  if (c.value) {
    setenv(variable, c.value->c_str(), 1);
  } else {
    unsetenv(variable);
  }
  // Starting from two different revisions tells a row that sets the
  // revision from one that leaves it as it was.
  for (const AdaRevision before : {ADA_2012, ADA_95}) {
    ada_revision = before;
    ExitTrap trap;
    StreamCapture err(stderr);
    int status = 0;
    try {
      read_revision_environment(variable);
    } catch (const ProcessExit& exit) {
      status = exit.status;
    }
    if (!c.value) {
      EXPECT_EQ(ada_revision, before);
      EXPECT_EQ(status, 0);
      EXPECT_EQ(err.text(), "");
    } else if (c.selected) {
      EXPECT_EQ(ada_revision, *c.selected);
      EXPECT_EQ(status, 0);
      EXPECT_EQ(err.text(), "");
    } else {
      EXPECT_EQ(ada_revision, before);
      EXPECT_EQ(status, 7);
      EXPECT_EQ(err.text(), "Error : unknown Ada revision (" + *c.value + ") in " + variable +
                                ", use 95, 2005, 2012 or 2022\n");
    }
  }
}

const RevisionCase revision_cases[] = {
    {"Unset", std::nullopt, std::nullopt},
    {"Ada95", "95", ADA_95},
    {"Ada2005", "2005", ADA_2005},
    {"Ada2012", "2012", ADA_2012},
    {"Ada2022", "2022", ADA_2022},
    {"Empty", "", std::nullopt},
    {"TrailingBlank", "2022 ", std::nullopt},
    {"FourDigit95", "1995", std::nullopt},
    {"LeadingZero", "095", std::nullopt},
    {"Ada83", "83", std::nullopt},
    {"PlaceholdersInValue", "%1%2", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, RevisionEnvironmentTest, ::testing::ValuesIn(revision_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
