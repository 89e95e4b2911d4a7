#ifndef MIRELCHOP_ANALYSIS_PARSER_H
#define MIRELCHOP_ANALYSIS_PARSER_H

#include <cstdio>

#include "analysis/ada_revision.h"

// The life of one source's parse: begun, then parsed to its acceptance, or
// abandoned where an intercepted end of the process cut it short. Every
// caller (the run loop, the tests, the fuzzers, the benchmarks) goes through
// these, so that each source starts alike and nothing of an abandoned one
// reaches the next.

// The revision sources are read as, the one the scanner and the parse read:
// Ada 95 unless MIRELCHOP_ADA names another at start-up. Tests, fuzzers and
// benchmarks that read a source otherwise set it before analysis_begin.
extern AdaRevision ada_revision;

// Starts the analysis of one source read from `stream` as Ada ada_revision:
// points the scanner at it, empties the name stack and resets the scanner.
void analysis_begin(FILE* stream);

// Parses the whole of scanner_input into the unit list, with the grammar of
// ada_revision, and returns 0 once the source is
// accepted. A syntax error, or a nesting too deep for the parse stack, ends
// the process with status 7 instead. Call it after analysis_begin.
int parse_compilation();

// Clears what a parse cut short by an intercepted end of the process left
// behind, so that the next source starts clean: the rest of the source in
// the scanner, the open name-stack entries, the pending with clauses and the
// parse's strings. The units made before the cut stay, as after an accepted
// parse, for the caller to read and free. Call it while the stream is open.
void analysis_abandon();

#endif
