#ifndef MIRELCHOP_CHOP_OVERWRITE_RULE_H
#define MIRELCHOP_CHOP_OVERWRITE_RULE_H

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>

// What a unit file may do to what is at its path: without -w, nothing that
// exists there is touched; with -w, a regular file is replaced, unless it
// holds source text found nowhere else. The verdicts below are pure: the
// chopper makes every system call itself, judges the file by the descriptor
// it opened, and acts on the verdict (see chop/chopper.cc).

// The verdict on one unit file path.
struct OverwriteVerdict {
  enum Kind {
    write,            // the unit file may be written there
    write_source,     // likewise, but the file is the source being chopped, whose copy then holds its text
    exists,           // without -w, something is at the path (status 5)
    exists_ours,      // likewise, and an earlier unit of this chop was written there (status 5)
    cannot_open,      // the file cannot be opened, or is no regular file (status 7)
    later_source,     // the file is a source of the run still to be chopped (status 7)
    replaced_source,  // the file is a source chopped earlier that one of its own unit files replaced (status 7)
  };
  Kind kind;
  const char* source;  // the source word, for later_source and replaced_source; null otherwise
};

// True when `verdict` lets the unit file be written.
inline bool allows_writing(const OverwriteVerdict& verdict) {
  return verdict.kind == OverwriteVerdict::write || verdict.kind == OverwriteVerdict::write_source;
}

// The verdict on the file that `status` describes at a unit file's path:
// the fstat of the descriptor opened there, or, before opening, the lstat
// of a regular file that opening would unlink. In this order, a file that
// is no regular file cannot be opened; one that is a source of the run
// still to be chopped (see chop/protected_sources.h) or one chopped and
// replaced earlier is refused, naming that source; the source being
// chopped, the file (`source_device`, `source_inode`), is written with
// write_source; any other regular file is written.
OverwriteVerdict judge_unit_file(const struct stat& status, dev_t source_device, ino_t source_inode);

// The verdict on a unit file whose opening failed with `error` (an errno
// value): `exclusive` (no -w) and EEXIST mean something appeared at the
// path after it was found free, which exists; anything else cannot_open.
OverwriteVerdict judge_failed_open(int error, bool exclusive);

// Ends the chop (see driver/messages.h, fail) with the status and message
// of `verdict`, which must not allow writing, about the unit file at `path`,
// a string from ac_alloc that it releases once the message has used it.
[[noreturn]] void refuse_unit_file(const OverwriteVerdict& verdict, char* path);

// The identity under which a chop remembers the unit files it wrote, to
// notice one written twice: the same file always gives the same identity;
// two files of one device give different ones while their inode numbers
// stay below 2^40.
uint64_t unit_file_identity(const struct stat& status);

#endif
