#ifndef MIRELCHOP_ANALYSIS_CONFIGURATION_PRAGMAS_H
#define MIRELCHOP_ANALYSIS_CONFIGURATION_PRAGMAS_H

// True when `name` (any letter case) names a configuration pragma, or
// Source_Reference: after a library unit such a pragma opens the next
// compilation unit instead of trailing the one before, as GNAT reads a file
// of several units.
bool is_configuration_pragma(const char* name);

#endif
