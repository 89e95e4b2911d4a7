#ifndef MIRELCHOP_DRIVER_STANDARD_STREAMS_H
#define MIRELCHOP_DRIVER_STANDARD_STREAMS_H

// Opens /dev/null on any of descriptors 0, 1 and 2 that the caller left
// closed, so that no file the program opens later takes one of them and
// receives its messages.
void ensure_standard_streams_open();

// Ends the process with `status` once standard output is written out. What
// a caller reads there (the listing of unit files, the progress lines, the
// version) must not be lost silently: when it cannot be written whole, a
// message goes to standard error and a run that had succeeded ends with
// status 7.
[[noreturn]] void end_after_standard_output(int status);

#endif
