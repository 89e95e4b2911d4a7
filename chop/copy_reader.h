#ifndef MIRELCHOP_CHOP_COPY_READER_H
#define MIRELCHOP_CHOP_COPY_READER_H

#include <cstddef>

// The temporary copy opened for reading in large blocks, so that the chopper
// scans lines in memory and hands whole spans of them to the unit files.
struct CopyReader {
  int fd;             // -1 when closed
  char* block;        // `capacity` bytes, shared by every reader of the run
  std::size_t capacity;
  std::size_t start;  // first byte of `block` not yet handed out
  std::size_t end;    // one past the last byte read into `block`
  bool failed;        // a read of the copy failed
};

// Opens the file `name` for reading; false (nothing held) when it cannot be opened.
bool copy_reader_open(CopyReader& reader, const char* name);

// Makes unread bytes available between `start` and `end`, reading the next
// block when the current one is used up. False at the end of the copy, and
// also when a read fails, which sets `failed`.
bool copy_reader_fill(CopyReader& reader);

// Closes the file; the block stays for the next reader. A closed reader may
// be closed again.
void copy_reader_close(CopyReader& reader);

#endif
