#include "fuzz/parse_source.h"

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "fuzz/fuzz_check.h"

AdaRevision later_revision(std::size_t size) { return static_cast<AdaRevision>(ADA_2005 + size % 3); }

bool parse_source(FILE* stream, AdaRevision revision) {
  ada_revision = revision;
  analysis_begin(stream);
  try {
    fuzz_check(parse_compilation() == 0, "parse returned without accepting the source");
  } catch (const ProcessExit& ended) {
    // Nothing else may end a parse of a few kilobytes held in memory.
    fuzz_check(ended.status == 7, "parse ended the process with a status other than 7");
    analysis_abandon();
    units_free_all();
    return false;
  }
  return true;
}
