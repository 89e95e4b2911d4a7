// The Ada corpus under fixtures/grammar is accepted, and together its files
// reduce every production of the grammar at least once. The reductions are
// counted by a copy of the parser built from the same grammar with bison's
// trace, which reports each production it reduces.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"
#include "analysis/parser.h"
#include "tests/parse_harness.h"
#include "tests/reduction_trace.h"
#include "traced_grammar.hh"

namespace {

constexpr int production_count = 526;

// parse_compilation, with the traced parser and its trace switched on.
int traced_compilation() {
  parse_state_reset();
  traced_debug = 1;
  const int result = traced_parse();
  traced_debug = 0;
  parse_strings_release();
  return result;
}

std::vector<std::string> corpus_files() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(FIXTURE_DIR "/grammar"))
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(GrammarCoverageTest, CorpusIsAcceptedAndReducesEveryProduction) {
  reduction_counts().assign(production_count + 1, 0);
  const std::vector<std::string> files = corpus_files();
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    const ParseOutcome outcome = parse_text(file_text(file), traced_compilation, file.c_str());
    EXPECT_EQ(outcome.exit_status, std::nullopt) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_FALSE(outcome.units.empty()) << file;
  }
  ASSERT_EQ(reduction_counts().size(), size_t{production_count + 1}) << "a production beyond " << production_count;
  std::string never;
  for (int production = 1; production <= production_count; ++production)
    if (reduction_counts()[production] == 0) never += " " + std::to_string(production);
  EXPECT_EQ(never, "") << "productions never reduced by the corpus";
}

// The traced parser reduces what the real one does: the same corpus yields
// the same units through either.
TEST(GrammarCoverageTest, TracedParserBuildsTheSameUnits) {
  for (const std::string& file : corpus_files()) {
    SCOPED_TRACE(file);
    const std::string text = file_text(file);
    const ParseOutcome traced = parse_text(text, traced_compilation);
    const ParseOutcome real = parse_text(text, parse_compilation);
    ASSERT_EQ(traced.units.size(), real.units.size());
    for (size_t i = 0; i < real.units.size(); ++i) {
      EXPECT_EQ(traced.units[i].full_name, real.units[i].full_name);
      EXPECT_EQ(traced.units[i].properties, real.units[i].properties);
      EXPECT_EQ(traced.units[i].end_line, real.units[i].end_line);
      EXPECT_EQ(traced.units[i].end_column, real.units[i].end_column);
    }
  }
}

}  // namespace
