#include "chop/protected_sources.h"

#include <sys/stat.h>

#include <map>
#include <utility>

namespace {

// A source file's identity.
using FileKey = std::pair<dev_t, ino_t>;

// Where a source file last appears in the run's list, the word there, and
// whether its chop replaced it with one of its unit files.
struct LastMention {
  std::size_t index;
  const char* word;
  bool replaced;
};

// Every recorded source file, by identity.
std::map<FileKey, LastMention> recorded;

// The index of the source being chopped.
std::size_t reached = 0;

}  // namespace

void protected_sources_record(const std::vector<const char*>& sources) {
  recorded.clear();
  reached = 0;
  for (std::size_t index = 0; index < sources.size(); ++index) {
    struct stat status;
    if (stat(sources[index], &status) == 0) recorded[{status.st_dev, status.st_ino}] = {index, sources[index], false};
  }
}

void protected_sources_reach(std::size_t index) { reached = index; }

const char* later_source_at(dev_t device, ino_t inode) {
  const auto found = recorded.find({device, inode});
  return found != recorded.end() && found->second.index > reached ? found->second.word : nullptr;
}

void protected_sources_mark_replaced(dev_t device, ino_t inode) {
  const auto found = recorded.find({device, inode});
  if (found != recorded.end()) found->second.replaced = true;
}

const char* replaced_source_at(dev_t device, ino_t inode) {
  const auto found = recorded.find({device, inode});
  return found != recorded.end() && found->second.replaced ? found->second.word : nullptr;
}
