#ifndef MIRELCHOP_TESTS_PARSE_HARNESS_H
#define MIRELCHOP_TESTS_PARSE_HARNESS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/ada_revision.h"

// A unit of the unit list, copied out so that tests can compare it.
struct ParsedUnit {
  int kind;
  std::string full_name;
  std::string simple_name;
  uint32_t properties;
  uint32_t end_line;
  uint32_t end_column;
  std::vector<std::string> context;
  std::optional<std::string> renaming_target;
};

// What one parse printed, how it ended and the units it left.
struct ParseOutcome {
  std::optional<int> exit_status;  // set when the parse ended the process
  std::string err;                 // standard error during the parse
  std::vector<ParsedUnit> units;
};

// Parses `source`, under the source name `name`, as Ada `revision`, the way
// the run loop does: analysis begun on the text, then `parse`. The unit list
// is emptied afterwards.
ParseOutcome parse_text(const std::string& source, int (*parse)(), const char* name = "x.ada",
                        AdaRevision revision = ADA_95);

// The bytes of `path`; the test fails when it cannot be read.
std::string file_text(const std::string& path);

#endif
