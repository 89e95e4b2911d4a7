#ifndef MIRELCHOP_DRIVER_RUN_LOOP_H
#define MIRELCHOP_DRIVER_RUN_LOOP_H

#include <vector>

struct Unit;

// Opens, parses, closes and chops each source in order, then prints the
// total (unless -l) and closes the log. Returns the process status: 0, or 7
// when a source cannot be opened. Each source is read as the revision that
// the pragmas before its first unit state (analysis/stated_revision.h), else
// as ada_revision was at the call (MIRELCHOP_ADA's), which it is again on
// return.
int run_sources(const std::vector<const char*>& sources);

// Settles how the unit names of the source just parsed, read from
// `source_fd`, fold to lower case (current_source_utf8): by UTF-8 characters
// when one of them holds a byte beyond ASCII and the whole source is valid
// UTF-8, else byte by byte as Latin-1. Only then is the source read again,
// without moving its offset. Called for every source after its parse and
// before its unit files are named.
void settle_name_folding(int source_fd, const Unit* first_unit);

#endif
