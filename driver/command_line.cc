#include "driver/command_line.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "chop/studio_log.h"
#include "driver/banner.h"
#include "driver/messages.h"
#include "driver/naming.h"
#include "driver/process_exit.h"
#include "driver/run_settings.h"

namespace {

// What the next word is taken as, after an option that needs a parameter.
enum PendingArgument { NONE = 0, NAMING = 1, LOG_FILE = 2 };

// Applies `word` if it is an option; false when it is a file word.
bool apply_option(const char* word, PendingArgument& pending) {
  if (std::strcmp(word, "-l") == 0) {
    list_only = true;
  } else if (std::strcmp(word, "-w") == 0) {
    no_overwrite = false;
  } else if (std::strcmp(word, "-h") == 0) {
    print_usage();
  } else if (std::strcmp(word, "-v") == 0 || std::strcmp(word, "-version") == 0) {
    print_version();
  } else if (std::strcmp(word, "-n") == 0) {
    pending = NAMING;
  } else if (std::strcmp(word, "-studio_log") == 0) {
    pending = LOG_FILE;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::vector<const char*> parse_command_line(int argc, char** argv) {
  PendingArgument pending = NONE;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    const char* word = argv[i];
    if (pending == NAMING) {
      pending = NONE;
      select_naming_convention(local_text(word));
    } else if (pending == LOG_FILE) {
      pending = NONE;
      studio_log_select(word);
    } else if (!apply_option(word, pending)) {
      files.push_back(word);
    }
  }
  if (pending != NONE)
    fail(7, translate("Error", "Error: missing parameter for option \"%1\"\n", "%1 is an option")
                .arg(local_text(argv[argc - 1])));
  if (files.empty()) {
    print_message(stderr, translate("Error", "Error: missing source file.\n"));
    print_usage();
  }
  if (files.size() >= 2) {
    struct stat status;
    if (stat(files.back(), &status) != 0)
      fail(7, translate("Error", "Error: can't stat file '%1'", "%1 is a file name").arg(local_text(files.back())));
    if (S_ISDIR(status.st_mode)) {
      output_directory = files.back();
      files.pop_back();
    }
  }
  return files;
}

void print_usage() {
  // The context is spelled out in every call so that lupdate finds each text.
  const QString label = naming_from_default ? translate("Chop Usage", "default") : QString("MIRELCHOP");
  const QString newline("\n");
  const QString lines[] = {
      newline,
      translate("Chop Usage", "Usage: mirelchop [options] <file> [..<file>] [<dir>]\n"),
      newline,
      translate("Chop Usage", " <file>     : ada source file to split.\n"),
      translate("Chop Usage", " <dir>      : output directory (default: working directory).\n"),
      translate("Chop Usage", "\nOptions:\n"),
      translate("Chop Usage", " -v,-version: print version informations.\n"),
      translate("Chop Usage", " -l         : print on stdout generated file name only.\n"),
      translate("Chop Usage", " -w         : allow file overwrite.\n"),
      translate("Chop Usage", " -n <naming>: force naming convention (see below).\n"),
      newline,
      translate("Chop Usage", "Current %1 chop naming is \"%2\"\n", "%1 is 'default' or 'MIRELCHOP', %2 is a string")
          .arg(label, QString(naming_convention_name())),
      newline,
      translate("Chop Usage", "You can use MIRELCHOP environment variable to change default naming convention.\n"),
      newline,
      translate("Chop Usage", "Supported naming conventions are: \"GNAT\", \"VESK\" \n", "GNAT and VESK are ada compiler name"),
      newline,
  };
  for (const QString& line : lines) print_message(stdout, line);
  print_banner();
  end_process(7);
}
