#ifndef MIRELCHOP_CHOP_SOURCE_COPY_H
#define MIRELCHOP_CHOP_SOURCE_COPY_H

#include <sys/types.h>

#include <cstddef>

#include "chop/source_stamp.h"

// Size of the blocks in which a source is copied.
constexpr std::size_t copy_block_size = 10000;

// The temporary copy of one source: a file of the working directory and the
// identity of the source it was copied from.
struct TemporaryCopy {
  char name[32];         // bare file name; the same for writing, reading and removal
  dev_t source_device;   // with source_inode, tells whether a unit file is the source itself
  ino_t source_inode;
};

// Copies the file `source_word` into a new file of the working directory,
// created exclusively so that no existing file is ever taken over, and
// fills `copy`. Returns only when the copy is complete and both files are
// closed, and the source, once copied, is still the file `parsed` stamps,
// unchanged; on any failure, a changed source included, prints the error,
// removes a partial copy and ends the process with status 7. From its
// creation until its removal, a signal that ends the process removes it
// (see chop/interrupt_cleanup.h).
void copy_source_to_temp(const char* source_word, const SourceStamp& parsed, TemporaryCopy& copy);

// Deletes the temporary copy, which a signal then no longer removes (see
// chop/interrupt_cleanup.h). When it cannot be deleted, prints the error
// and returns false; the caller decides what follows.
bool remove_temporary_copy(const TemporaryCopy& copy);

#endif
