#include "chop/studio_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "analysis/ac_tree.h"
#include "chop/file_io.h"
#include "chop/unit_file.h"
#include "driver/ac_mem.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

namespace {

// The log was created by this run, which may then take it back when it is
// refused: nothing stays at a unit file's path because of the log.
bool log_created = false;

// Opens the log at `path` for appending, creating it when absent (noted in
// log_created), without waiting for a reader; returns the stream, or null
// with errno set.
FILE* open_log(const char* path) {
  const int flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC;
  int fd = open(path, flags);
  log_created = fd < 0 && errno == ENOENT && (fd = open(path, flags | O_CREAT | O_EXCL, 0666)) >= 0;
  if (fd < 0) return nullptr;
  // Opened: a pipe with a reader is then written as it always was, waiting
  // while the reader is slow rather than failing.
  FILE* log = fcntl(fd, F_SETFL, O_APPEND) == 0 ? fdopen(fd, "a") : nullptr;
  if (log == nullptr) close(fd);
  return log;
}

// Forgets the log, closing it when open.
void drop_log() {
  if (studio_log != nullptr) std::fclose(studio_log);
  studio_log = nullptr;
  studio_log_name = nullptr;
  log_created = false;
}

// Drops the log because it is a file of the run, and says so.
void refuse_log() {
  print_message(stderr, translate("Error", "Warning: the log file \"%1\" is a source or a unit file of this run, no "
                                           "log is written.\n",
                                  "%1 is a file name")
                            .arg(local_text(studio_log_name)));
  struct stat log;
  if (log_created && fstat(fileno(studio_log), &log) == 0) unit_file_remove_own(studio_log_name, log);
  drop_log();
}

// True when the open log is the file `status` describes.
bool log_is(const struct stat& status) {
  struct stat log;
  return fstat(fileno(studio_log), &log) == 0 && log.st_dev == status.st_dev && log.st_ino == status.st_ino;
}

}  // namespace

void studio_log_select(const char* path) {
  drop_log();
  studio_log = open_log(path);
  if (studio_log == nullptr) {
    print_message(stderr, translate("Error", "Warning: can't open log file \"%1\", no log is written.\n",
                                    "%1 is a file name")
                              .arg(local_text(path)));
    return;
  }
  studio_log_name = path;
}

void studio_log_refuse_sources(const std::vector<const char*>& sources) {
  if (studio_log == nullptr) return;
  for (const char* source : sources) {
    struct stat status;
    if (stat(source, &status) == 0 && log_is(status)) {
      refuse_log();
      return;
    }
  }
}

void studio_log_refuse_unit_path(const char* path) {
  struct stat status;
  if (studio_log != nullptr && lstat(path, &status) == 0 && log_is(status)) refuse_log();
}

void studio_log_write(const char* path) {
  // Whatever was put into the stream by other means goes first.
  if (std::fflush(studio_log) != 0) fail(7, write_error(studio_log_name));
  const int fd = fileno(studio_log);
  struct stat before;
  const bool regular = fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
  char* line = concat3("ADA ", path, "\n");
  const bool written = write_block(fd, line, std::strlen(line));
  ac_free(line);
  if (written) return;
  if (regular) (void)!ftruncate(fd, before.st_size);
  fail(7, write_error(studio_log_name));
}

void studio_log_close() { drop_log(); }
