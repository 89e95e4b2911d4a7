#ifndef MIRELCHOP_CHOP_STUDIO_LOG_H
#define MIRELCHOP_CHOP_STUDIO_LOG_H

#include <vector>

// The -studio_log log: a line "ADA <path>" per unit file written, appended
// to the file the user names (the run settings `studio_log` and
// `studio_log_name`). A log never holds the run and never changes a file
// the run reads or writes: it is opened without blocking, and a log that is
// a source or a unit file of the run is dropped with a warning before
// anything is written to it, and removed again when this run created it.

// Makes `path` the log, in place of an earlier one, which is closed (and
// stays). The file is opened, or created, for appending and without waiting
// for a reader: a named pipe with none, a socket or a directory cannot be,
// nor can a path in a missing directory, which is the warning that no log is
// written, and the run goes on. A pipe with a reader and a device are
// written as a file is.
void studio_log_select(const char* path);

// Drops the log, with its warning, when it is one of `sources` (the run's
// source words), by any path.
void studio_log_refuse_sources(const std::vector<const char*>& sources);

// Drops the log, with its warning, when it is the file at `path`, a unit
// file still to be written.
void studio_log_refuse_unit_path(const char* path);

// Appends the line of the unit file `path` to the open log, written straight
// to the file so that nothing is left in a buffer to fail later. A line that
// cannot be written whole is taken back out, so that every line of the log
// names a complete unit file, and the process ends with status 7.
void studio_log_write(const char* path);

// Closes the log at the end of the run.
void studio_log_close();

#endif
