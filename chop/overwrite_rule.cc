#include "chop/overwrite_rule.h"

#include <cerrno>

#include "chop/protected_sources.h"
#include "driver/ac_mem.h"
#include "driver/messages.h"

OverwriteVerdict judge_unit_file(const struct stat& status, dev_t source_device, ino_t source_inode) {
  if (!S_ISREG(status.st_mode)) return {OverwriteVerdict::cannot_open, nullptr};
  if (const char* later = later_source_at(status.st_dev, status.st_ino))
    return {OverwriteVerdict::later_source, later};
  if (const char* replaced = replaced_source_at(status.st_dev, status.st_ino))
    return {OverwriteVerdict::replaced_source, replaced};
  if (status.st_dev == source_device && status.st_ino == source_inode)
    return {OverwriteVerdict::write_source, nullptr};
  return {OverwriteVerdict::write, nullptr};
}

OverwriteVerdict judge_failed_open(int error, bool exclusive) {
  return {exclusive && error == EEXIST ? OverwriteVerdict::exists : OverwriteVerdict::cannot_open, nullptr};
}

namespace {

// The text refusing a unit file that would replace a source of the run, for
// `kind` (later_source or replaced_source): %1 the unit file, %2 the source.
QString source_refusal_text(OverwriteVerdict::Kind kind) {
  // Its text would be gone before it is read.
  if (kind == OverwriteVerdict::later_source)
    return translate("Error",
                     "Error: the unit file \"%1\" would replace \"%2\", a source still to be chopped; nothing is "
                     "written there.\n",
                     "%1 and %2 are file names");
  // It holds the only text of a unit chopped from it.
  return translate("Error",
                   "Error: the unit file \"%1\" would replace \"%2\", the only text of a unit chopped from it; "
                   "nothing is written there.\n",
                   "%1 and %2 are file names");
}

// The message that refuses the unit file at `path`, which exists, without -w.
QString exists_message(const char* path) {
  return translate("Error", "Error:\"%1\" already exist, use -w to overwrite.\n", "%1 is a file name")
      .arg(local_text(path));
}

// The message that refuses the unit file at `path` for `verdict`.
QString refusal_message(const OverwriteVerdict& verdict, const char* path) {
  switch (verdict.kind) {
    case OverwriteVerdict::exists:
      return exists_message(path);
    case OverwriteVerdict::exists_ours:
      // So that the user does not look for an older file of that name.
      return exists_message(path) + translate("Error",
                                              "Note: \"%1\" was written by an earlier unit of this run: the source "
                                              "holds two units of that name.\n",
                                              "%1 is a file name")
                                        .arg(local_text(path));
    case OverwriteVerdict::later_source:
    case OverwriteVerdict::replaced_source:
      return source_refusal_text(verdict.kind).arg(local_text(path), local_text(verdict.source));
    default:  // cannot_open; a verdict that allows writing is never refused
      return translate("Error", "Error : Can't open \"%1\" for writting, cannot continue.\n", "%1 is a file name")
          .arg(local_text(path));
  }
}

}  // namespace

void refuse_unit_file(const OverwriteVerdict& verdict, char* path) {
  const int status = verdict.kind == OverwriteVerdict::exists || verdict.kind == OverwriteVerdict::exists_ours ? 5 : 7;
  const QString message = refusal_message(verdict, path);
  ac_free(path);
  fail(status, message);
}

uint64_t unit_file_identity(const struct stat& status) {
  return static_cast<uint64_t>(status.st_ino) ^ (static_cast<uint64_t>(status.st_dev) << 40);
}
