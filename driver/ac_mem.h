#ifndef MIRELCHOP_DRIVER_AC_MEM_H
#define MIRELCHOP_DRIVER_AC_MEM_H

#include <cstddef>

// Returns `size` zero-filled bytes. Never returns without memory: when the
// heap is exhausted it prints the allocation message and ends with status 9.
void* ac_alloc(std::size_t size);

// Resizes a block from ac_alloc to `size` bytes, with the same guard; bytes
// beyond the old size are not zeroed. Used for buffers that grow.
void* ac_realloc(void* block, std::size_t size);

// Returns `size` bytes, not zero-filled, or null when the heap cannot give
// them: for a caller that can do without, such as a message catalogue that
// is then not used. Never ends the process.
void* ac_try_alloc(std::size_t size);

// Releases a block from ac_alloc, ac_try_alloc or ac_realloc; nullptr is ignored.
void ac_free(void* block);

// Prints "cannot allocate `size` bytes" and ends the process with status 9.
[[noreturn]] void memory_exhausted(std::size_t size);

// The size of the last request for heap memory that failed, whoever made it
// (Qt's own containers too, which report exhaustion by throwing
// std::bad_alloc without a size); 0 when none failed or it is not known.
std::size_t failed_request_size();

#endif
