#include "analysis/stated_revision.h"

#include <strings.h>

#include "analysis/parser.h"
#include "analysis/scanner.h"
#include "driver/ac_mem.h"

namespace {

// The pragmas that state a revision, and the revision each states.
struct RevisionPragma {
  const char* name;
  AdaRevision revision;
};

constexpr RevisionPragma revision_pragmas[] = {
    {"ada_83", ADA_95},   {"ada_95", ADA_95},     {"ada_05", ADA_2005}, {"ada_2005", ADA_2005},
    {"ada_12", ADA_2012}, {"ada_2012", ADA_2012}, {"ada_2022", ADA_2022},
};

// The next token; its text, which no caller here keeps, is freed at once.
// `name`, when given, first receives whether it is an identifier naming a
// revision pragma, and which.
int next_token_text_dropped(std::optional<AdaRevision>* name = nullptr) {
  const int token = next_token();
  if (name != nullptr && token == ada_token::TOKEN_IDENTIFIER)
    for (const RevisionPragma& entry : revision_pragmas)
      if (strcasecmp(token_value.text, entry.name) == 0) *name = entry.revision;
  if (token_has_text(token)) ac_free(token_value.text);
  return token;
}

}  // namespace

std::optional<AdaRevision> stated_revision(FILE* stream) {
  analysis_begin(stream);
  std::optional<AdaRevision> stated;
  while (next_token_text_dropped() == ada_token::TOKEN_PRAGMA) {
    std::optional<AdaRevision> named;
    next_token_text_dropped(&named);
    int token = next_token_text_dropped();
    // With an argument, such a pragma names the one entity it applies to.
    if (named && token == ada_token::TOKEN_SEMICOLON) stated = named;
    // No semicolon can stand inside a pragma's parentheses: the first one ends it.
    while (token != ada_token::TOKEN_SEMICOLON && token != ada_token::TOKEN_END_OF_INPUT)
      token = next_token_text_dropped();
    if (token == ada_token::TOKEN_END_OF_INPUT) break;
  }
  std::rewind(stream);
  scanner_discard_input();
  return stated;
}
