#ifndef MIRELCHOP_ANALYSIS_ANALYSIS_BEGIN_H
#define MIRELCHOP_ANALYSIS_ANALYSIS_BEGIN_H

#include <cstdio>

#include "analysis/ada_revision.h"

// The revision the source being analysed is read as; set by analysis_begin.
extern AdaRevision analysis_revision;

// Starts the analysis of one source read from `stream` as Ada `revision`:
// points the scanner at it, empties the name stack and resets the scanner.
// The one place that knows this sequence, so every caller of
// parse_compilation starts alike.
void analysis_begin(FILE* stream, AdaRevision revision);

#endif
