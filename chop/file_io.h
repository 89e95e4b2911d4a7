#ifndef MIRELCHOP_CHOP_FILE_IO_H
#define MIRELCHOP_CHOP_FILE_IO_H

#include <sys/types.h>

#include <cstddef>

class QString;

// Reads from `fd` into `buffer` until `size` bytes are in or the file ends.
// Returns the count read, or -1 on a read error; a count below `size` means
// the end of the file was reached, never that a read failed.
ssize_t read_block(int fd, char* buffer, std::size_t size);

// Writes all `size` bytes of `data` to `fd`, going on after short writes.
// False on any error: a full disk or a file-size limit shows as a short
// write followed by a failing one, so it is never mistaken for success.
bool write_block(int fd, const char* data, std::size_t size);

// The error for a file that could not be written whole: status 7 follows.
QString write_error(const char* path);

// Copies from the file offset of `from` to that of `to` inside the kernel,
// without passing the bytes through this process, for as long as the system
// can. Both offsets end up after the bytes copied. Stops at what looks like
// the end of `from`, at an error, or at once where the two files cannot be
// copied this way, with no report: the caller goes on in blocks from there,
// which finds the true end and meets any error itself.
void copy_file_data(int from, int to);

#endif
