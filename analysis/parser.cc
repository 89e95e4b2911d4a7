#include "analysis/parser.h"

#include "analysis/analysis_begin.h"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"

// The generated parsers; their headers cannot meet in one translation unit.
int yyparse();
int ada2022_parse();

int parse_compilation() {
  parse_state_reset();
  const int result = analysis_revision == ADA_95 ? yyparse() : ada2022_parse();
  // The units hold copies of every name they need, so the parse's strings can go.
  parse_strings_release();
  return result;
}
