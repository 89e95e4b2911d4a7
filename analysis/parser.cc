#include "analysis/parser.h"

#include "analysis/ac_tree.h"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"
#include "analysis/scanner.h"

// The generated parsers; their headers cannot meet in one translation unit.
int yyparse();
int ada2022_parse();

AdaRevision ada_revision = ADA_95;

void analysis_begin(FILE* stream) {
  scanner_input = stream;
  name_stack_reset();
  scanner_reset();
}

int parse_compilation() {
  parse_state_reset();
  const int result = ada_revision == ADA_95 ? yyparse() : ada2022_parse();
  // The units hold copies of every name they need, so the parse's strings can go.
  parse_strings_release();
  return result;
}

void analysis_abandon() {
  // A failed read has already emptied the scanner's buffer, and reading on
  // would only fail again; otherwise the scanner reads to the end, where it
  // lets go of the stream. Its texts go with the parse's strings.
  if (!std::ferror(scanner_input))
    while (next_token_stored_text() != ada_token::TOKEN_END_OF_INPUT) {
    }
  while (name_stack_top() != nullptr) name_stack_pop();
  parse_state_reset();
}
