#ifndef MIRELCHOP_FUZZ_PARSE_SOURCE_H
#define MIRELCHOP_FUZZ_PARSE_SOURCE_H

#include <cstddef>
#include <cstdio>

#include "analysis/ada_revision.h"

// A revision after Ada 95 for an input of `size` bytes: the targets read
// every input as Ada 95 and as one of the later revisions, which differ only
// in their reserved words, so that every input meets both grammars.
AdaRevision later_revision(std::size_t size);

// Parses the source in `stream` from its start as Ada `revision`, as the run
// loop does. A syntax error or a parse stack too deep (the parse ending the
// process with status 7) is an ordinary outcome: the parse is abandoned, its
// units are freed and the result is false. Any other way out of the parse is
// a finding.
bool parse_source(FILE* stream, AdaRevision revision);

#endif
