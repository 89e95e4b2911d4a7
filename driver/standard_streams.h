#ifndef MIRELCHOP_DRIVER_STANDARD_STREAMS_H
#define MIRELCHOP_DRIVER_STANDARD_STREAMS_H

// Opens /dev/null on any of descriptors 0, 1 and 2 that the caller left
// closed, so that no file the program opens later takes one of them and
// receives its messages.
void ensure_standard_streams_open();

#endif
