#include "analysis/later_revision_hint.h"

#include <cstdio>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "analysis/scanner.h"
#include "analysis/stated_revision.h"
#include "analysis/syntax_error.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

namespace {

// Whether a second reading is running; see trial_parse_running.
bool trial_running = false;

// A second reading of the source as Ada 2022, for as long as it lives: it
// gives back the revision and the quiet of the reports however it ends.
class TrialReading {
 public:
  TrialReading() : revision_(ada_revision) {
    ada_revision = ADA_2022;
    trial_running = true;
  }
  ~TrialReading() {
    trial_running = false;
    ada_revision = revision_;
  }
  TrialReading(const TrialReading&) = delete;
  TrialReading& operator=(const TrialReading&) = delete;

 private:
  AdaRevision revision_;
};

// Whether the source in `stream`, from its start, parses whole as Ada 2022.
bool reads_as_ada_2022(FILE* stream) {
  const TrialReading trial;
  analysis_begin(stream);
  try {
    return parse_compilation() == 0;
  } catch (const ParseRefused&) {
    analysis_abandon();
    return false;
  }
}

}  // namespace

QString later_revision_note() {
  if (ada_revision != ADA_95 || trial_running) return {};
  FILE* stream = scanner_input;
  // The refused parse's open constructs would be forgotten unreleased by
  // the next analysis_begin.
  while (name_stack_top() != nullptr) name_stack_pop();
  if (std::fseek(stream, 0, SEEK_SET) != 0) return {};
  scanner_discard_input();
  // A source that names its revision asked for Ada 95, or for 83.
  if (stated_revision(stream) || !reads_as_ada_2022(stream)) return {};
  return translate("Error", "Note: \"%1\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n",
                   "%1 is a file name")
      .arg(local_text(current_source_name));
}

bool trial_parse_running() { return trial_running; }
