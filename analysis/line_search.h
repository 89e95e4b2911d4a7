#ifndef MIRELCHOP_ANALYSIS_LINE_SEARCH_H
#define MIRELCHOP_ANALYSIS_LINE_SEARCH_H

#include <cstdint>

// Searches of a source's bytes for line ends: the scanner's skip of a
// comment and the chop's copy of whole lines. Lines are short, so a library
// search, which costs a start-up at every line, costs more than the line's
// bytes; these take 32 bytes at a step from the first where the processor
// has AVX2, and never read outside [from, end).

// The first carriage return or newline in [from, end), else end.
const char* line_search_end(const char* from, const char* end);

// The byte after the `newlines`th newline in [from, end) when there are
// that many, else end; `newlines` is lowered by the newlines passed.
const char* line_search_after_newlines(const char* from, const char* end, uint64_t& newlines);

#endif
