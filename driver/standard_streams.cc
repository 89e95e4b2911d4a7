#include "driver/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

void ensure_standard_streams_open() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    // open returns the lowest free descriptor, which is this one.
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened != -1 && opened != fd) close(opened);
  }
}
