#include "fuzz/analysis_reset.h"

#include "analysis/analysis_begin.h"
#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "analysis/parse_actions.h"
#include "analysis/scanner.h"
#include "driver/ac_mem.h"
#include "driver/exit_trap.h"
#include "fuzz/fuzz_check.h"

void analysis_abandon() {
  for (int token = next_token(); token > 0; token = next_token())
    if (token_has_text(token)) ac_free(token_value.text);
  while (name_stack_top() != nullptr) name_stack_pop();
  units_free_all();
  parse_state_reset();
}

AdaRevision later_revision(std::size_t size) { return static_cast<AdaRevision>(ADA_2005 + size % 3); }

bool parse_source(FILE* stream, AdaRevision revision) {
  analysis_begin(stream, revision);
  try {
    fuzz_check(parse_compilation() == 0, "parse returned without accepting the source");
  } catch (const ProcessExit& ended) {
    // Nothing else may end a parse of a few kilobytes held in memory.
    fuzz_check(ended.status == 7, "parse ended the process with a status other than 7");
    analysis_abandon();
    return false;
  }
  return true;
}
