#ifndef MIRELCHOP_DRIVER_RUN_LOOP_H
#define MIRELCHOP_DRIVER_RUN_LOOP_H

#include <vector>

// Opens, parses, closes and chops each source in order, then prints the
// total (unless -l) and closes the log. Returns the process status: 0, or 7
// when a source cannot be opened.
int run_sources(const std::vector<const char*>& sources);

#endif
