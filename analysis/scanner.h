#ifndef MIRELCHOP_ANALYSIS_SCANNER_H
#define MIRELCHOP_ANALYSIS_SCANNER_H

#include <cstdint>
#include <cstdio>

#include "analysis/ada_revision.h"
#include "analysis/ada_tokens.h"
#include "analysis/semantic_value.h"

// The stream the scanner reads; assigned by the run loop before each source.
extern FILE* scanner_input;

// Position and text of the token last returned by next_token. Only the
// tokens for which token_has_text holds set its text; after next_token any
// other token leaves token_value.text as it was.
extern SemanticValue token_value;

// Position of the last item scanned (line start right after a newline).
extern int32_t scan_line;
extern int32_t scan_column;

// The number of the next token of scanner_input; 0 at its end. A read error
// ends the process with status 2 ("input in flex scanner failed"). The text
// of an identifier or literal is a new string from ac_alloc that the caller
// owns and frees.
int next_token();

// As next_token, but the text belongs to the parse's string store
// (analysis/parse_strings.h), which frees it when it is next released.
int next_token_stored_text();

// The next token for a parser, as next_token_stored_text (the text belongs
// to the parse's string store), with its position in `value`; identifiers
// and literals bring their text, other tokens none, so no stale pointer
// reaches a parser's value stack. The fields are read one by one: the
// scanner has just stored them separately, and a wider load spanning two of
// those stores would wait for them to reach the cache.
inline int next_parser_token_stored_text(SemanticValue& value) {
  const int token = next_token_stored_text();
  value.line = token_value.line;
  value.column = token_value.column;
  value.text = token_has_text(token) ? token_value.text : nullptr;
  return token;
}

// Puts the scanner at line 1, column 1, in its normal mode, for a new source
// read as Ada ada_revision (analysis/parser.h): from 2005 on, the revision's
// reserved words, bytes from 0x80 up as identifier letters, character
// literals of one UTF-8 character, a byte-order mark at the start, and the
// delimiters [ ] @.
void scanner_reset();

// Drops what the scanner has read ahead, so that its next token comes from
// wherever scanner_input stands now: after a look at a source's head, once
// the stream is back at its start.
void scanner_discard_input();

#endif
