#ifndef MIRELCHOP_DRIVER_RUN_SETTINGS_H
#define MIRELCHOP_DRIVER_RUN_SETTINGS_H

#include <cstdio>

struct Unit;

// A naming convention: turns a unit into a new file name from ac_alloc.
using NamingFunction = char* (*)(const Unit* unit);

// Settings of the run, filled at start-up and read for the rest of it.
extern const char* current_source_name;     // the command-line word of the source being processed
// The source being processed is valid UTF-8. Set for every source by
// settle_name_folding, and true only when one of its unit names holds a
// byte beyond ASCII, the one case where its names' folding depends on it.
extern bool current_source_utf8;
extern NamingFunction naming_convention;    // the file-naming function in force
extern bool naming_from_default;            // MIRELCHOP was absent at start-up
extern bool list_only;                      // -l: print generated file names only, no total
extern bool no_overwrite;                   // cleared by -w
extern const char* output_directory;        // where unit files go; null for the working directory
extern FILE* studio_log;                    // -studio_log stream, or null
extern const char* studio_log_name;         // the file name it was opened with, for messages

#endif
