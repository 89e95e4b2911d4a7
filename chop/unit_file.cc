#include "chop/unit_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "analysis/ac_tree.h"

char* unit_file_path(const char* directory, const char* file_name) {
  if (directory == nullptr || *directory == '\0') return concat3("", "", file_name);
  const bool has_separator = directory[std::strlen(directory) - 1] == '/';
  return concat3(directory, has_separator ? "" : "/", file_name);
}

bool unit_file_exists(const char* path) {
  struct stat status;
  return lstat(path, &status) == 0;
}

namespace {

// How often the path is looked at again when it changed between the look
// and the open: only another process changing it at that very instant, over
// and over, makes the open fail for it.
constexpr int open_attempts = 16;

}  // namespace

int unit_file_open(const char* path, bool exclusive, bool& created) {
  const int flags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  created = false;
  for (int attempt = 0; attempt < open_attempts; ++attempt) {
    struct stat status;
    if (!exclusive && lstat(path, &status) == 0) {
      // A link, perhaps to a file outside the output directory: written
      // through, it would change what it shows.
      if (S_ISLNK(status.st_mode)) {
        if (unlink(path) != 0 && errno != ENOENT) return -1;
        continue;
      }
      // Opening some devices acts on them (a tape rewinds): not even opened.
      if (!S_ISREG(status.st_mode)) {
        errno = EEXIST;
        return -1;
      }
      const int fd = open(path, flags);
      // Gone, or turned into a link, since the look: looked at again.
      if (fd >= 0 || (errno != ENOENT && errno != ELOOP)) return fd;
      continue;
    }
    const int fd = open(path, flags | O_CREAT | O_EXCL, 0666);
    created = fd >= 0;
    if (fd >= 0 || exclusive || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void unit_file_remove_own(const char* path, const struct stat& opened) {
  struct stat named;
  if (lstat(path, &named) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) unlink(path);
}
