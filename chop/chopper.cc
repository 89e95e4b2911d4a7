#include "chop/chopper.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "analysis/ac_tree.h"
#include "analysis/line_search.h"
#include "analysis/parser.h"
#include "chop/copy_reader.h"
#include "chop/end_line_cut.h"
#include "chop/file_io.h"
#include "chop/identity_set.h"
#include "chop/interrupt_cleanup.h"
#include "chop/overwrite_rule.h"
#include "chop/protected_sources.h"
#include "chop/source_copy.h"
#include "chop/studio_log.h"
#include "chop/unit_file.h"
#include "driver/ac_mem.h"
#include "driver/byte_text.h"
#include "driver/messages.h"
#include "driver/process_exit.h"
#include "driver/run_settings.h"

namespace {

// What one chop holds, kept together so that every error path can release
// it and leave the directories clean.
struct ChopState {
  const char* source_word;
  const Unit* first_unit;  // the units being chopped
  TemporaryCopy copy;
  CopyReader reader;
  uint64_t line;         // the line the next byte of the copy belongs to
  uint64_t column;       // its column, as the scanner counts columns
  bool byte_order_mark;  // the source opens with a mark that belongs to every unit file
  int unit_fd;           // the unit file being written, or -1
  char* unit_path;       // its path, from ac_alloc, or null
  bool unit_is_source;   // the open unit file is the source itself
  bool unit_created;     // the open unit file is new, made by this chop: its own to remove
  struct stat unit_status;  // the open unit file as found when opened
  bool source_replaced;  // some unit file of this chop was the source itself
  bool source_rewritten;  // and was written again: the copy holds text found nowhere else
  QByteArray kept_notice;  // once source_replaced: where the original text is kept
  IdentitySet written;   // with -w: the unit files written, by identity
};

// The chop in progress, between the making of its copy and its end.
ChopState* active_chop = nullptr;

// Tells the user where the original text of a replaced source is kept.
QString kept_copy_message(const ChopState& chop) {
  return translate("Error", "Error: the original text of \"%1\" is kept in \"%2\".\n", "%1 and %2 are file names")
      .arg(local_text(chop.source_word), local_text(chop.copy.name));
}

// Lets go of what the chop holds, when it is cut short and when it ends:
// closes the open unit file, if any, and removes it, being incomplete, when
// this chop created it (a file that was there before, the source itself
// included, is never removed); frees the chop's memory and closes the
// copy; then, when `copy_needed` (it holds text found nowhere else), keeps
// the temporary copy and tells the user where, else removes it.
void release_chop(ChopState& chop, bool copy_needed) {
  active_chop = nullptr;
  if (chop.unit_fd >= 0) {
    interrupt_track_unit(nullptr);
    close(chop.unit_fd);
    if (chop.unit_created) unit_file_remove_own(chop.unit_path, chop.unit_status);
  }
  ac_free(chop.unit_path);
  identity_set_release(chop.written);
  copy_reader_close(chop.reader);
  if (copy_needed) {
    interrupt_forget_all();
    print_message(stderr, kept_copy_message(chop));
  } else {
    // The copy is not the only full text: a signal from here on removes it.
    interrupt_keep_copy(nullptr, 0);
    remove_temporary_copy(chop.copy);
  }
}

// Runs when the process ends in the middle of a chop, whatever ends it (an
// error of the chop, or memory running out). A signal meanwhile removes
// nothing: this clean-up removes each file itself, once. Once the source
// has been replaced by a unit file, the copy holds the only full text of
// the source, so it is kept, and a unit file that is the source is not
// removed either.
void release_active_chop() {
  ChopState& chop = *active_chop;
  interrupt_forget_all();
  release_chop(chop, chop.source_replaced);
}

// Writes bytes of the copy to the open unit file; a failure ends the chop.
void write_unit_text(ChopState& chop, const char* data, std::size_t size) {
  if (!write_block(chop.unit_fd, data, size)) fail(7, write_error(chop.unit_path));
}

// Ends the chop when the copy could not be read to its end, which would
// otherwise pass for its end, or when it ended before `end_line`, where the
// parse saw a unit end (the source shrank, or could not be read a second
// time): either way the unit files would be cut short.
void check_copy_read(const ChopState& chop, uint64_t end_line) {
  if (chop.reader.failed || chop.line < end_line)
    fail(7, translate("Error", "Error: can't read source file \"%1\"\n", "%1 is a file name")
                .arg(local_text(chop.source_word)));
}

// Closes the open unit file, if any, and logs it once it is complete. Some
// file systems report a failed write only on close, so that is checked like
// every write.
void close_unit_file(ChopState& chop) {
  if (chop.unit_fd < 0) return;
  interrupt_track_unit(nullptr);
  const int fd = chop.unit_fd;
  chop.unit_fd = -1;
  if (close(fd) != 0) {
    if (chop.unit_created) unit_file_remove_own(chop.unit_path, chop.unit_status);
    fail(7, write_error(chop.unit_path));
  }
  if (studio_log != nullptr) studio_log_write(chop.unit_path);
  chop.unit_is_source = false;
  ac_free(chop.unit_path);
  chop.unit_path = nullptr;
}

// Copies bytes of the copy to the open unit file up to and including the
// `newlines`th newline, or to the end of the copy.
void copy_lines(ChopState& chop, uint64_t newlines) {
  CopyReader& reader = chop.reader;
  while (newlines > 0 && copy_reader_fill(reader)) {
    const char* begin = reader.block + reader.start;
    const uint64_t wanted = newlines;
    const char* cursor = line_search_after_newlines(begin, reader.block + reader.end, newlines);
    if (newlines != wanted) {
      chop.line += wanted - newlines;
      chop.column = 1;
    }
    const auto span = static_cast<std::size_t>(cursor - begin);
    write_unit_text(chop, begin, span);
    reader.start += span;
  }
}

// Copies the rest of the unit's end line to the open unit file, as far as
// the unit's text reaches (see chop/end_line_cut.h).
void copy_end_line(const Unit* unit, ChopState& chop) {
  EndLineCut cut = end_line_cut_start(chop.column, unit->end_column);
  CopyReader& reader = chop.reader;
  bool done = false;
  while (!done && copy_reader_fill(reader)) {
    const char* begin = reader.block + reader.start;
    const std::size_t span = end_line_cut_scan(cut, begin, reader.end - reader.start, done);
    write_unit_text(chop, begin, span);
    reader.start += span;
    if (done && span > 0 && begin[span - 1] == '\n') {
      ++chop.line;
      chop.column = 1;
    } else {
      chop.column = cut.column;
    }
  }
}

// Copies one unit's text to the open unit file: from the read position
// through the newline that ends the unit's end line, or through the next
// newline when the previous unit's text took that line whole. When another
// unit begins on the end line, the text ends before it instead. Stops early
// only at the end of the copy.
void copy_unit_text(const Unit* unit, ChopState& chop) {
  if (unit->end_line == 0 || unit->end_column == 0)
    fail(9, translate("Internal Error", "Internal Error : unit %1 have no end position.\n",
                      "%1 is an ada unit name")
                .arg(local_text(unit->full_name)));
  if (unit->next == nullptr || chop.line > unit->end_line) {
    copy_lines(chop, chop.line <= unit->end_line ? unit->end_line - chop.line + 1 : 1);
  } else {
    copy_lines(chop, unit->end_line - chop.line);
    if (chop.line == unit->end_line) copy_end_line(unit, chop);
  }
  check_copy_read(chop, unit->end_line);
}

// The UTF-8 byte-order mark that a source read as a later revision may open with.
constexpr char byte_order_mark[] = "\xEF\xBB\xBF";
constexpr std::size_t byte_order_mark_size = sizeof byte_order_mark - 1;

// Whether the copy opens with a byte-order mark that the scanner read as
// one: the mark is then the whole source's, and each unit file repeats it.
bool opens_with_byte_order_mark(CopyReader& reader) {
  return ada_revision != ADA_95 && copy_reader_fill(reader) && reader.end - reader.start >= byte_order_mark_size &&
         std::memcmp(reader.block + reader.start, byte_order_mark, byte_order_mark_size) == 0;
}

// Copies what is left of the copy, the text after the last unit, to the open unit file.
void copy_remaining_text(ChopState& chop) {
  CopyReader& reader = chop.reader;
  while (copy_reader_fill(reader)) {
    write_unit_text(chop, reader.block + reader.start, reader.end - reader.start);
    reader.start = reader.end;
  }
  check_copy_read(chop, 0);
}

// Ends the chop unless `verdict` lets the unit file at `path` (taking
// ownership of the string) be written, first closing `fd` (when not -1) and
// resuming signals.
void enforce_verdict(const OverwriteVerdict& verdict, char* path, int fd) {
  if (allows_writing(verdict)) return;
  if (fd >= 0) close(fd);
  interrupt_resume();
  refuse_unit_file(verdict, path);
}

// Notes a unit file that this chop writes a second time; the earlier text
// is replaced, and if the file is the source, the copy keeps the only text
// of the earlier unit.
void note_rewritten_unit_file(ChopState& chop, const char* path) {
  print_message(stderr, translate("Error", "Warning: the unit file \"%1\" is written twice, the later unit replaces "
                                           "the earlier one.\n",
                                  "%1 is a file name")
                            .arg(local_text(path)));
  if (chop.unit_is_source) chop.source_rewritten = true;
}

// The path of `unit`'s file, a new string from ac_alloc.
char* unit_path_of(const Unit* unit) {
  char* file_name = naming_convention(unit);
  char* path = unit_file_path(output_directory, file_name);
  ac_free(file_name);
  return path;
}

// Whether a unit before `unit` in this chop has its file at `path`: it was
// written there, since the chop got past it. Looked for only once the path
// is refused, so a chop that succeeds never pays for it.
bool written_by_earlier_unit(const ChopState& chop, const Unit* unit, const char* path) {
  bool found = false;
  for (const Unit* earlier = chop.first_unit; earlier != unit && !found; earlier = earlier->next) {
    char* earlier_path = unit_path_of(earlier);
    found = std::strcmp(earlier_path, path) == 0;
    ac_free(earlier_path);
  }
  return found;
}

// How often a file that is not the chop's own is taken off a unit file's
// path before the run gives up: each time, another process put a file
// there again at that very instant.
constexpr int replace_attempts = 16;

// Opens the unit file at `path` (a string that stays the caller's until the
// run ends) under the overwrite rule, with signals deferred, and returns its
// descriptor with `status`, its fstat, and `created`; `verdict` tells what
// the file is. The file is judged by the descriptor opened: something else
// than a regular file, or a source still needed, is refused (ending the
// chop) before any byte of it changes. It is written in place only when it
// is the chop's own, with one name: just created, written by this chop
// before, or the source being chopped. Any other file found there may be a
// name of a file elsewhere, linked in and out again between any two looks
// at it (its link count is no proof), so it is never written through: the
// name at the path goes, and a new file takes it.
int open_judged_unit_file(const ChopState& chop, char* path, struct stat& status, bool& created,
                          OverwriteVerdict& verdict) {
  for (int attempt = 1;; ++attempt) {
    const int fd = unit_file_open(path, no_overwrite, created);
    // Something may have appeared at the path after the check: still not ours to replace.
    if (fd < 0) enforce_verdict(judge_failed_open(errno, no_overwrite), path, -1);
    verdict = fstat(fd, &status) == 0 ? judge_unit_file(status, chop.copy.source_device, chop.copy.source_inode)
                                      : OverwriteVerdict{OverwriteVerdict::cannot_open, nullptr};
    enforce_verdict(verdict, path, fd);
    const bool own = created || verdict.kind == OverwriteVerdict::write_source ||
                     identity_set_contains(chop.written, unit_file_identity(status));
    if (own && status.st_nlink == 1) return fd;
    close(fd);
    if (attempt == replace_attempts || (unlink(path) != 0 && errno != ENOENT))
      enforce_verdict({OverwriteVerdict::cannot_open, nullptr}, path, -1);
  }
}

// Creates the file of `unit` at `path` (taking ownership of the string) and
// makes it the open unit file, under the overwrite rule (see
// chop/overwrite_rule.h and open_judged_unit_file).
void open_unit_file(ChopState& chop, const Unit* unit, char* path) {
  if (no_overwrite && unit_file_exists(path))
    refuse_unit_file({written_by_earlier_unit(chop, unit, path) ? OverwriteVerdict::exists_ours
                                                                : OverwriteVerdict::exists,
                      nullptr},
                     path);
  interrupt_defer();
  struct stat status;
  bool created = false;
  OverwriteVerdict verdict;
  const int fd = open_judged_unit_file(chop, path, status, created, verdict);
  chop.unit_fd = fd;
  chop.unit_path = path;
  chop.unit_status = status;
  chop.unit_created = created;
  chop.unit_is_source = verdict.kind == OverwriteVerdict::write_source;
  if (created) interrupt_track_unit(chop.unit_path);
  if (chop.unit_is_source && !chop.source_replaced) {
    chop.source_replaced = true;
    chop.kept_notice = bytes_from_text(kept_copy_message(chop));
    interrupt_keep_copy(chop.kept_notice.constData(), static_cast<std::size_t>(chop.kept_notice.size()));
  }
  interrupt_resume();
  if (!no_overwrite && !identity_set_insert(chop.written, unit_file_identity(status)))
    note_rewritten_unit_file(chop, path);
  if (status.st_size != 0 && ftruncate(fd, 0) != 0) fail(7, write_error(path));
}

// The number of units in the list from `first`.
std::size_t units_in(const Unit* first) {
  std::size_t count = 0;
  for (const Unit* unit = first; unit != nullptr; unit = unit->next) ++count;
  return count;
}

// Drops the log when it is one of the unit files of the list from `first`,
// before any of them is written: appended to, a unit file would no longer
// hold its unit's text, and a log created first would stand in its way.
void refuse_log_at_unit_files(const Unit* first) {
  for (const Unit* unit = first; unit != nullptr && studio_log != nullptr; unit = unit->next) {
    char* path = unit_path_of(unit);
    studio_log_refuse_unit_path(path);
    ac_free(path);
  }
}

// Tells the user about the unit file just created.
void announce_unit_file(const char* path) {
  if (list_only) {
    std::fputs(path, stdout);
    std::fputc('\n', stdout);
  } else {
    print_message(stdout, translate("Message", "Writting %1\n", "%1 is a file name").arg(local_text(path)));
  }
}

}  // namespace

int chop_file(const char* source_word, const SourceStamp& parsed, const Unit* first_unit) {
  if (!list_only) std::printf("From %s\n", source_word);
  refuse_log_at_unit_files(first_unit);
  install_interrupt_cleanup();
  ChopState chop = {};
  chop.source_word = source_word;
  chop.first_unit = first_unit;
  chop.unit_fd = -1;
  chop.reader.fd = -1;
  copy_source_to_temp(source_word, parsed, chop.copy);
  active_chop = &chop;
  set_exit_cleanup(release_active_chop);
  if (!copy_reader_open(chop.reader, chop.copy.name))
    fail(7, translate("Error", "Error : can't open file \"%1\" for chopping.\n", "%1 is a file name")
                .arg(local_text(source_word)));
  chop.line = 1;
  chop.column = 1;
  chop.byte_order_mark = opens_with_byte_order_mark(chop.reader);
  if (!no_overwrite) identity_set_reserve(chop.written, units_in(first_unit));

  int count = 0;
  for (const Unit* unit = first_unit; unit != nullptr; unit = unit->next) {
    close_unit_file(chop);
    open_unit_file(chop, unit, unit_path_of(unit));
    announce_unit_file(chop.unit_path);
    // The first unit's file takes the source's own mark with its text.
    if (chop.byte_order_mark && count > 0) write_unit_text(chop, byte_order_mark, byte_order_mark_size);
    copy_unit_text(unit, chop);
    ++count;
  }
  if (chop.unit_fd >= 0) {
    copy_remaining_text(chop);
    close_unit_file(chop);
  }
  set_exit_cleanup(nullptr);
  // The source file now holds one of its units, found nowhere else once the copy goes.
  if (chop.source_replaced) protected_sources_mark_replaced(chop.copy.source_device, chop.copy.source_inode);
  // The unit files are complete: the copy holds text found nowhere else only
  // when a later unit replaced the source's first unit file.
  release_chop(chop, chop.source_rewritten);
  return count;
}
