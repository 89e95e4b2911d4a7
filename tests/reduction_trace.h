#ifndef MIRELCHOP_TESTS_REDUCTION_TRACE_H
#define MIRELCHOP_TESTS_REDUCTION_TRACE_H

#include <cstdio>
#include <vector>

// Stands in for fprintf in the traced copy of the parser: of everything the
// trace prints, it keeps only the number of each production reduced.
int reduction_trace_print(FILE* stream, const char* format, ...);

// Reductions counted so far, indexed by production number.
std::vector<long>& reduction_counts();

#endif
