#ifndef MIRELCHOP_CHOP_SOURCE_STAMP_H
#define MIRELCHOP_CHOP_SOURCE_STAMP_H

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>

// What a source file was when its parse began: its identity, size and
// modification and change times. The copy that is cut must hold the text
// that was parsed; any difference in these means the file was replaced or
// written meanwhile, and the cuts the parse found would fall elsewhere.
struct SourceStamp {
  dev_t device;
  ino_t inode;
  off_t size;
  timespec modified;
  timespec changed;
};

// The stamp of the file that `status` describes (an fstat of the open source).
SourceStamp source_stamp(const struct stat& status);

// The stamp of the file at `path`, followed through links; false when it
// cannot be examined.
bool source_stamp_at(const char* path, SourceStamp& stamp);

// True when the two stamps are of the same file, unchanged.
bool same_stamp(const SourceStamp& a, const SourceStamp& b);

#endif
