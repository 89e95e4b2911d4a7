#ifndef MIRELCHOP_CHOP_LATER_SOURCES_H
#define MIRELCHOP_CHOP_LATER_SOURCES_H

#include <sys/types.h>

#include <cstddef>
#include <vector>

// The sources of the run that are still to be chopped, known by device and
// inode: a unit file must never replace one of them before it is read,
// whatever path leads to it.

// Records the files that `sources` (the run's source words, in order) name
// now; a word that names nothing counts for nothing.
void later_sources_record(const std::vector<const char*>& sources);

// The source at `index` of the recorded list is being chopped: it and the
// ones before it no longer count.
void later_sources_reach(std::size_t index);

// The word of a source still to be chopped that is the file (`device`,
// `inode`), or null.
const char* later_source_at(dev_t device, ino_t inode);

#endif
