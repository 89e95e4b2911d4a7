#ifndef MIRELCHOP_CHOP_INTERRUPT_CLEANUP_H
#define MIRELCHOP_CHOP_INTERRUPT_CLEANUP_H

#include <cstddef>

// What a signal that ends the process in the middle of a chop (an
// interrupt from the terminal, a hang-up, a termination request from an IDE,
// a reader of the messages that went away) must leave behind: no temporary
// copy and no incomplete unit file, as when an error ends the chop. The
// chopper tells this module which files are at stake as they come and go;
// the handler only removes files and writes bytes prepared in advance, then
// ends the process by the same signal.

// Installs the handler for SIGHUP, SIGINT, SIGPIPE and SIGTERM, each only
// where it still has its default action: a signal the caller ignores stays
// ignored, and a test or fuzzer keeps its own handlers. Where SIGXFSZ has
// its default action, ignores it, so that a file-size limit makes writes
// fail rather than end the process. Once per process.
void install_interrupt_cleanup();

// The temporary copy at `name` (a path that stays valid until forgotten) is
// to be removed if a signal ends the process; null forgets it.
void interrupt_track_copy(const char* name);

// The unit file at `path` is incomplete until forgotten with null: removed
// if a signal ends the process meanwhile.
void interrupt_track_unit(const char* path);

// The temporary copy holds the only full text of the source: a signal keeps
// it and writes `notice` (`length` bytes, valid until forgotten with null)
// to standard error instead.
void interrupt_keep_copy(const char* notice, std::size_t length);

// Between these two a file is being created and then tracked: a signal
// that comes meanwhile waits for interrupt_resume, so that the new file is
// never left untracked.
void interrupt_defer();
void interrupt_resume();

// Forgets every file at stake, before the chop's own clean-up or at its end.
void interrupt_forget_all();

#endif
