#include "chop/unit_file.h"

#include <fcntl.h>
#include <sys/stat.h>

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

int unit_file_create(const char* path, bool exclusive) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
  return open(path, flags, 0666);
}
