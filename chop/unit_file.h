#ifndef MIRELCHOP_CHOP_UNIT_FILE_H
#define MIRELCHOP_CHOP_UNIT_FILE_H

#include <sys/stat.h>

// The path of a unit file: `file_name` alone when `directory` is null or
// empty, else the directory, a '/' unless it already ends with one, and the
// file name. The bytes are used as given, with no conversion, so a directory
// named in any encoding is the one written to. A new string from ac_alloc.
char* unit_file_path(const char* directory, const char* file_name);

// True when something exists at `path`, readable or not, a symbolic link
// whose target is missing included.
bool unit_file_exists(const char* path);

// Opens the unit file at `path` for writing, creating it when absent, and
// returns its descriptor, or -1 with errno set; `created` tells whether the
// file is new, made by this call. It never follows a symbolic link and never
// waits for a reader: a link or pipe at the path must not send a unit's text
// elsewhere or hold the run. With `exclusive`, fails with EEXIST when
// anything already exists there, so nothing can appear and be replaced
// between a check and the creation. Otherwise a symbolic link at the path is
// removed and a new file takes its place, its target untouched; anything
// else but a regular file there (a pipe, socket, device or directory) fails
// with EEXIST, untouched and not even opened; an existing regular file is
// opened as it is, never emptied, for the caller to judge by the descriptor
// (its other names included) before any byte of it changes.
int unit_file_open(const char* path, bool exclusive, bool& created);

// Removes the unit file at `path` that this run created, `opened` being its
// status when opened, unless the path now names another file: what another
// run put there is not this run's to remove.
void unit_file_remove_own(const char* path, const struct stat& opened);

#endif
