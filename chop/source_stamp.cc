#include "chop/source_stamp.h"

namespace {

// True when two times are the same instant.
bool same_time(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

}  // namespace

SourceStamp source_stamp(const struct stat& status) {
  return {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

bool source_stamp_at(const char* path, SourceStamp& stamp) {
  struct stat status;
  if (stat(path, &status) != 0) return false;
  stamp = source_stamp(status);
  return true;
}

bool same_stamp(const SourceStamp& a, const SourceStamp& b) {
  return a.device == b.device && a.inode == b.inode && a.size == b.size && same_time(a.modified, b.modified) &&
         same_time(a.changed, b.changed);
}
