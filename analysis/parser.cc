#include "analysis/parser.h"

#include "analysis/ada_grammar.hh"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"

int parse_compilation() {
  parse_state_reset();
  const int result = yyparse();
  // The units hold copies of every name they need, so the parse's strings can go.
  parse_strings_release();
  return result;
}
