#include "chop/file_io.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

#include "driver/messages.h"

ssize_t read_block(int fd, char* buffer, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    const ssize_t n = read(fd, buffer + filled, size - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(filled);
}

bool write_block(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    // A zero-byte write of a non-empty block makes no progress; treat it as
    // the failure it is rather than spinning.
    if (n == 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

QString write_error(const char* path) {
  return translate("Error", "Error : can't write \"%1\", cannot continue.\n", "%1 is a file name")
      .arg(local_text(path));
}

void copy_file_data(int from, int to) {
  for (;;) {
    const ssize_t n = copy_file_range(from, nullptr, to, nullptr, SSIZE_MAX, 0);
    if (n > 0) continue;
    if (n < 0 && errno == EINTR) continue;
    return;
  }
}
