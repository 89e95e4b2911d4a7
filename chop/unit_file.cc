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

int unit_file_open(const char* path, bool exclusive) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  if (exclusive) return open(path, flags | O_EXCL, 0666);
  struct stat status;
  if (lstat(path, &status) == 0) {
    // A link, or a file with other names, perhaps outside the output
    // directory: written through, it would change what they show.
    if (S_ISLNK(status.st_mode) || (S_ISREG(status.st_mode) && status.st_nlink > 1)) {
      if (unlink(path) != 0) return -1;
      return open(path, flags | O_EXCL, 0666);
    }
    // Opening some devices acts on them (a tape rewinds): not even opened.
    if (!S_ISREG(status.st_mode)) {
      errno = EEXIST;
      return -1;
    }
  }
  return open(path, flags, 0666);
}
