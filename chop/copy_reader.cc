#include "chop/copy_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include "chop/file_io.h"
#include "driver/ac_mem.h"

namespace {

// Large enough that a unit's text usually leaves in one write, small enough
// to stay in cache and to weigh little in the run's peak memory: a larger
// block saves a few reads of the copy, each far cheaper than its bytes'
// scan and parse.
constexpr std::size_t reader_block_size = 64 * 1024;

// One block serves every chop of the run: a fresh zero-filled block for each
// source would cost more than the reading of a small source.
char* shared_block = nullptr;

}  // namespace

bool copy_reader_open(CopyReader& reader, const char* name) {
  reader = CopyReader{-1, nullptr, 0, 0, 0, false};
  const int fd = open(name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  reader.fd = fd;
  // Not zero-filled (a block of this size comes from the heap, where zeroing
  // costs a pass over it): every byte handed out was read into it first.
  if (shared_block == nullptr) shared_block = static_cast<char*>(ac_realloc(nullptr, reader_block_size));
  reader.block = shared_block;
  reader.capacity = reader_block_size;
  return true;
}

bool copy_reader_fill(CopyReader& reader) {
  if (reader.start < reader.end) return true;
  if (reader.fd < 0 || reader.failed) return false;
  const ssize_t count = read_block(reader.fd, reader.block, reader.capacity);
  reader.start = 0;
  reader.end = count > 0 ? static_cast<std::size_t>(count) : 0;
  if (count < 0) reader.failed = true;
  return reader.end > 0;
}

void copy_reader_close(CopyReader& reader) {
  if (reader.fd >= 0) close(reader.fd);
  reader = CopyReader{-1, nullptr, 0, 0, 0, false};
}
