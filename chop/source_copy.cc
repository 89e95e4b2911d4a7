#include "chop/source_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "chop/file_io.h"
#include "chop/interrupt_cleanup.h"
#include "driver/messages.h"

namespace {

// mkstemp fills in the X's. Unit file names always carry an extension, so
// a name of this form can never be one of them.
constexpr char temporary_pattern[] = "mirelchop-XXXXXX";
static_assert(sizeof temporary_pattern <= sizeof(TemporaryCopy::name));

// Removes the copy's file; from then on a signal has nothing to remove.
int unlink_copy(const TemporaryCopy& copy) {
  const int result = unlink(copy.name);
  interrupt_track_copy(nullptr);
  return result;
}

// Ends a copy that cannot be completed: both files closed, the partial copy
// removed so that nothing is left in the user's directory, then `message`.
[[noreturn]] void abandon_copy(const TemporaryCopy& copy, int source, int temporary,
                               const QString& message) {
  close(source);
  close(temporary);
  unlink_copy(copy);
  fail(7, message);
}

}  // namespace

void copy_source_to_temp(const char* source_word, const SourceStamp& parsed, TemporaryCopy& copy) {
  // Not blocking: a source that became a named pipe after the parse must not
  // hang the run; its copy comes out short and the chopper says so.
  const int source = open(source_word, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (source < 0)
    fail(7, translate("Error", "Error: can't open source file \"%1\"\n", "%1 is a file name")
                .arg(local_text(source_word)));
  struct stat status = {};
  fstat(source, &status);
  copy.source_device = status.st_dev;
  copy.source_inode = status.st_ino;

  std::memcpy(copy.name, temporary_pattern, sizeof temporary_pattern);
  interrupt_defer();
  const int temporary = mkstemp(copy.name);
  if (temporary >= 0) interrupt_track_copy(copy.name);
  interrupt_resume();
  if (temporary < 0) {
    close(source);
    // mkstemp leaves the name undefined when it fails; report the pattern.
    fail(7, translate("Error", "Error: can't open temporary file \"%1\"\n", "%1 is a file name")
                .arg(local_text(temporary_pattern)));
  }

  // The kernel copies most sources whole; the blocks below take what it
  // leaves, and tell a read error from a write error.
  copy_file_data(source, temporary);
  char buffer[copy_block_size];
  for (;;) {
    const ssize_t count = read_block(source, buffer, sizeof buffer);
    // A failed read must not pass for the end of the source: the copy, and
    // every unit file cut from it, would silently lose the rest.
    if (count < 0)
      abandon_copy(copy, source, temporary,
                   translate("Error", "Error: can't read source file \"%1\"\n", "%1 is a file name")
                       .arg(local_text(source_word)));
    if (count > 0 && !write_block(temporary, buffer, static_cast<std::size_t>(count)))
      abandon_copy(copy, source, temporary, translate("Error", "Error: writing temporary file.\n"));
    if (static_cast<std::size_t>(count) < sizeof buffer) break;
  }
  // Written or replaced since the parse began: the cuts it found belong to other text.
  if (fstat(source, &status) != 0 || !same_stamp(source_stamp(status), parsed))
    abandon_copy(copy, source, temporary,
                 translate("Error", "Error: \"%1\" changed while it was being chopped, no unit file is written "
                                    "from it.\n",
                           "%1 is a file name")
                     .arg(local_text(source_word)));
  close(source);
  // Some file systems report a failed write only when the file is closed.
  if (close(temporary) != 0) {
    unlink_copy(copy);
    fail(7, translate("Error", "Error: writing temporary file.\n"));
  }
}

bool remove_temporary_copy(const TemporaryCopy& copy) {
  if (unlink_copy(copy) == 0) return true;
  print_message(stderr, translate("Error", "Error: can't remove temporary file.\n"));
  return false;
}
