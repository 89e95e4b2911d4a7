#ifndef MIRELCHOP_FUZZ_ANALYSIS_RESET_H
#define MIRELCHOP_FUZZ_ANALYSIS_RESET_H

#include <cstdio>

// Clears what an aborted parse of the current source left behind, so that
// nothing leaks into the next input: the rest of the source still in the
// scanner's buffer, the open name-stack entries, the units, the pending
// with clauses and the kept name strings. Call it while the stream is open.
void analysis_abandon();

// Parses the source in `stream` from its start as the run loop does. A
// syntax error or a parse stack too deep (the parse ending the process with
// status 7) is an ordinary outcome: what it left behind is cleared and the
// result is false. Any other way out of the parse is a finding.
bool parse_source(FILE* stream);

#endif
