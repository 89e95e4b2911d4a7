#include "driver/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "driver/messages.h"
#include "driver/process_exit.h"

void ensure_standard_streams_open() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    // open returns the lowest free descriptor, which is this one.
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened != -1 && opened != fd) close(opened);
  }
}

void end_after_standard_output(int status) {
  bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  // Some file systems report a failed write only when the file is closed;
  // closing a duplicate asks without closing the stream itself.
  const int duplicate = dup(STDOUT_FILENO);
  if (duplicate >= 0 && close(duplicate) != 0) written = false;
  if (!written) {
    print_message(stderr, translate("Error", "Error: can't write to standard output, its text is incomplete.\n"));
    if (status == 0) status = 7;
  }
  end_process(status);
}
