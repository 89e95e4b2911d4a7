#ifndef MIRELCHOP_TESTS_CHOP_HARNESS_H
#define MIRELCHOP_TESTS_CHOP_HARNESS_H

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/ac_tree.h"
#include "chop/source_stamp.h"
#include "tests/cli_harness.h"

// A unit as a test lists it: what the parse would have recorded.
struct UnitSpec {
  const char* full_name;
  UnitKind kind;
  uint32_t end_line;    // 0: no end position
  uint32_t end_column;
};

// Replaces the unit list with units made from `specs`, in order; returns the first.
const Unit* build_units(const std::vector<UnitSpec>& specs);

// What one call of chop_file did.
struct ChopOutcome {
  int status;       // the status it ended the process with, or -1 when it returned
  int count;        // its result, when it returned
  std::string out;  // standard output, bytes
  std::string err;  // standard error, bytes
};

// Calls chop_file with both standard streams captured and process ends
// trapped, the source stamped as `parsed`, or when null as it is now.
ChopOutcome run_chop(const char* source_word, const Unit* first_unit, const SourceStamp* parsed = nullptr);

// Runs `body` in a forked child, so it may change limits, signals or mounts,
// and returns the text it returned. Process ends inside `body` must be
// trapped by `body` itself.
std::string run_in_child(const std::function<std::string()>& body);

// The outcome and the names in `dir` as one text, so that a child can hand
// them to the parent and a test can compare them whole.
std::string describe(const ChopOutcome& outcome, const std::string& dir);

// Names in `dir` that are temporary copies.
std::vector<std::string> temporary_copies(const std::string& dir);

// A scratch working directory, run settings as at start-up with GNAT naming,
// and an empty unit list, for each case.
class ChopDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // `name` in the scratch directory.
  std::string at(const std::string& name) const { return scratch_->path + "/" + name; }

  std::unique_ptr<ScratchDir> scratch_;

 private:
  std::string previous_dir_;
};

#endif
