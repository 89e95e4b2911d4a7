#include "driver/run_loop.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "analysis/stated_revision.h"
#include "chop/chopper.h"
#include "chop/protected_sources.h"
#include "chop/source_stamp.h"
#include "chop/studio_log.h"
#include "driver/messages.h"
#include "driver/name_folding.h"
#include "driver/naming.h"
#include "driver/revision_environment.h"
#include "driver/run_settings.h"
#include "driver/utf8_validity.h"

namespace {

// How often a source is opened again when another run replaced it while
// this one waited for its lock.
constexpr int lock_attempts = 16;

// Waits for the advisory lock on the open source `fd`, which serialises two
// runs on one source: the second chops what the first left. True when the
// path still names the file locked; a file system without such locks
// leaves the source unlocked, as a run on it always was.
bool lock_source(int fd, const char* path) {
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return true;
  }
  struct stat opened, named;
  return fstat(fd, &opened) == 0 && stat(path, &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// Opens `path` for reading, locked (see lock_source) until the stream is
// closed, and stamps it (see chop/source_stamp.h); null when it cannot be
// opened or is not a regular file. A source is read twice, once by the
// parse and once for the copy that is cut, which only a regular file
// allows: a pipe would give the copy nothing, a device need never end.
// Opened without blocking, so that a named pipe without a writer is refused
// rather than waited for.
FILE* open_source(const char* path, SourceStamp& stamp) {
  for (int attempt = 0; attempt < lock_attempts; ++attempt) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
      close(fd);
      return nullptr;
    }
    if (!lock_source(fd, path)) {
      close(fd);
      continue;
    }
    FILE* stream = fstat(fd, &status) == 0 ? fdopen(fd, "r") : nullptr;
    if (stream == nullptr) close(fd);
    stamp = source_stamp(status);
    return stream;
  }
  return nullptr;
}

// Gives ada_revision back the value it had when made, however the run ends:
// a test that intercepts the end of the process finds it as it set it.
class RevisionRestorer {
 public:
  RevisionRestorer() : run_revision_(ada_revision) {}
  ~RevisionRestorer() { ada_revision = run_revision_; }
  RevisionRestorer(const RevisionRestorer&) = delete;
  RevisionRestorer& operator=(const RevisionRestorer&) = delete;
  // The revision in force when the run began.
  AdaRevision run_revision() const { return run_revision_; }

 private:
  AdaRevision run_revision_;
};

}  // namespace

int run_sources(const std::vector<const char*>& sources) {
  long long run_total = 0;
  const RevisionRestorer restorer;
  // Only a run that may replace files can replace a source before it is read.
  if (!no_overwrite) protected_sources_record(sources);
  studio_log_refuse_sources(sources);
  for (std::size_t index = 0; index < sources.size(); ++index) {
    const char* source = sources[index];
    protected_sources_reach(index);
    current_source_name = source;
    SourceStamp stamp;
    FILE* stream = open_source(source, stamp);
    if (stream == nullptr) {
      print_message(stderr, translate("Error", "Error : can't open file \"%1\"\n", "%1 is a afile name")
                                .arg(local_text(source)));
      return 7;
    }
    // Each source starts from the run's revision, and may state its own.
    ada_revision = restorer.run_revision();
    ada_revision = stated_revision(stream).value_or(ada_revision);
    analysis_begin(stream);
    parse_compilation();
    settle_name_folding(fileno(stream), units_first());
    run_total += chop_file(source, stamp, units_first());
    units_free_all();
    // The unit files are written: another run may have the source.
    std::fclose(stream);
  }
  if (!list_only)
    print_message(stdout, translate("Message", "Chopped %1 files.\n", "%1 is a number").arg(run_total));
  studio_log_close();
  return 0;
}

void settle_name_folding(int source_fd, const Unit* first_unit) {
  bool names_beyond_ascii = false;
  for (const Unit* unit = first_unit; unit != nullptr && !names_beyond_ascii; unit = unit->next)
    names_beyond_ascii = beyond_ascii(unit->full_name);
  current_source_utf8 = names_beyond_ascii && file_is_utf8(source_fd);
}
