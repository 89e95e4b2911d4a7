#include "tests/parse_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "driver/run_settings.h"
#include "tests/stream_capture.h"

ParseOutcome parse_text(const std::string& source, int (*parse)(), const char* name, AdaRevision revision) {
  FILE* stream = std::tmpfile();
  std::fwrite(source.data(), 1, source.size(), stream);
  std::rewind(stream);
  current_source_name = name;
  const AdaRevision run_revision = std::exchange(ada_revision, revision);
  analysis_begin(stream);

  ParseOutcome outcome;
  {
    ExitTrap trap;
    StreamCapture err(stderr);
    try {
      parse();
    } catch (const ProcessExit& exit) {
      outcome.exit_status = exit.status;
      // The run would end here; the next source must start clean.
      analysis_abandon();
    }
    outcome.err = err.text();
  }
  std::fclose(stream);
  ada_revision = run_revision;

  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next) {
    ParsedUnit copy{unit->kind,      unit->full_name,  unit->simple_name, unit->properties,
                    unit->end_line, unit->end_column, {},                std::nullopt};
    for (const NameItem* item = unit->context; item != nullptr; item = item->next) copy.context.push_back(item->name);
    if (unit->renaming_target != nullptr) copy.renaming_target = unit->renaming_target;
    outcome.units.push_back(copy);
  }
  units_free_all();
  return outcome;
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}
