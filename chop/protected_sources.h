#ifndef MIRELCHOP_CHOP_PROTECTED_SOURCES_H
#define MIRELCHOP_CHOP_PROTECTED_SOURCES_H

#include <sys/types.h>

#include <cstddef>
#include <vector>

// The sources of the run whose file a unit file must not replace, known by
// device and inode whatever path leads to them: the later ones, still to be
// chopped, whose text would be gone before it is read, and the earlier ones
// whose own unit file replaced them, now the only text of that unit.

// Records the files that `sources` (the run's source words, in order) name
// now; a word that names nothing counts for nothing.
void protected_sources_record(const std::vector<const char*>& sources);

// The source at `index` of the recorded list is being chopped: it and the
// ones before it are no longer later sources.
void protected_sources_reach(std::size_t index);

// The word of a source still to be chopped that is the file (`device`,
// `inode`), or null.
const char* later_source_at(dev_t device, ino_t inode);

// The recorded source that is the file (`device`, `inode`) is chopped, and
// one of its own unit files replaced it.
void protected_sources_mark_replaced(dev_t device, ino_t inode);

// The word of a chopped source marked replaced that is the file (`device`,
// `inode`), or null.
const char* replaced_source_at(dev_t device, ino_t inode);

#endif
