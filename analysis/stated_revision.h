#ifndef MIRELCHOP_ANALYSIS_STATED_REVISION_H
#define MIRELCHOP_ANALYSIS_STATED_REVISION_H

#include <cstdio>
#include <optional>

#include "analysis/ada_revision.h"

// The revision that the pragmas before the first unit of the source read
// from `stream` state, as GNAT takes them: the last of Ada_83 (read as 95),
// Ada_95, Ada_05, Ada_2005, Ada_12, Ada_2012 and Ada_2022 (any letter case)
// among them, each without argument (with one, it names the one entity it
// applies to); std::nullopt when none does. Reads only those pragmas, scanned
// as Ada ada_revision, and the token after them; then puts `stream` back at
// its start and the scanner before it, ready for analysis_begin.
std::optional<AdaRevision> stated_revision(FILE* stream);

#endif
