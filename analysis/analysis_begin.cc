#include "analysis/analysis_begin.h"

#include "analysis/ac_tree.h"
#include "analysis/scanner.h"

AdaRevision analysis_revision = ADA_95;

void analysis_begin(FILE* stream, AdaRevision revision) {
  analysis_revision = revision;
  scanner_input = stream;
  name_stack_reset();
  scanner_reset(revision);
}
