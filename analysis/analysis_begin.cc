#include "analysis/analysis_begin.h"

#include "analysis/ac_tree.h"
#include "analysis/scanner.h"

void analysis_begin(FILE* stream) {
  scanner_input = stream;
  name_stack_reset();
  scanner_reset();
}
