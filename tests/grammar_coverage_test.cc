// Each grammar accepts its Ada corpus under fixtures/, and together the
// corpus's files reduce every production of the grammar at least once. The
// reductions are counted by a copy of each parser built from the same
// grammar with bison's trace, which reports each production it reduces.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/ada_revision.h"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"
#include "analysis/parser.h"
#include "tests/parse_harness.h"
#include "tests/reduction_trace.h"

// The traced parsers. Their generated headers both define the token
// numbers, so they cannot both be included here.
int traced_parse();
extern int traced_debug;
int traced2022_parse();
extern int traced2022_debug;

namespace {

// parse_compilation, with the traced parser `parse` and its trace switch
// `debug` switched on.
template <int (*parse)(), int* debug>
int traced_compilation() {
  parse_state_reset();
  *debug = 1;
  const int result = parse();
  *debug = 0;
  parse_strings_release();
  return result;
}

// A grammar, its traced parser, the revision its corpus is read as and the
// fixture directories that make up its corpus.
struct GrammarRow {
  const char* name;
  int production_count;
  int (*traced_compilation)();
  AdaRevision revision;
  std::vector<std::string> corpus_directories;
};

// The later revisions' grammar reads every Ada 95 file of the corpus too.
const GrammarRow grammar_rows[] = {
    {"Ada95", 529, traced_compilation<traced_parse, &traced_debug>, ADA_95, {"grammar"}},
    {"Ada2022", 676, traced_compilation<traced2022_parse, &traced2022_debug>, ADA_2022, {"grammar", "grammar2022"}},
};

void PrintTo(const GrammarRow& row, std::ostream* out) { *out << row.name; }

std::vector<std::string> corpus_files(const GrammarRow& row) {
  std::vector<std::string> files;
  for (const std::string& directory : row.corpus_directories)
    for (const auto& entry : std::filesystem::directory_iterator(FIXTURE_DIR "/" + directory))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

// Two parses of one source built the same units, field by field.
void expect_same_units(const ParseOutcome& got, const ParseOutcome& want) {
  ASSERT_EQ(got.units.size(), want.units.size());
  for (size_t i = 0; i < want.units.size(); ++i) {
    SCOPED_TRACE(want.units[i].full_name);
    EXPECT_EQ(got.units[i].full_name, want.units[i].full_name);
    EXPECT_EQ(got.units[i].kind, want.units[i].kind);
    EXPECT_EQ(got.units[i].properties, want.units[i].properties);
    EXPECT_EQ(got.units[i].end_line, want.units[i].end_line);
    EXPECT_EQ(got.units[i].end_column, want.units[i].end_column);
    EXPECT_EQ(got.units[i].context, want.units[i].context);
    EXPECT_EQ(got.units[i].renaming_target, want.units[i].renaming_target);
  }
}

class GrammarCoverageTest : public testing::TestWithParam<GrammarRow> {};

TEST_P(GrammarCoverageTest, CorpusIsAcceptedAndReducesEveryProduction) {
  const GrammarRow& row = GetParam();
  reduction_counts().assign(row.production_count + 1, 0);
  const std::vector<std::string> files = corpus_files(row);
  ASSERT_FALSE(files.empty());
  for (const std::string& file : files) {
    const ParseOutcome outcome = parse_text(file_text(file), row.traced_compilation, file.c_str(), row.revision);
    EXPECT_EQ(outcome.exit_status, std::nullopt) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_FALSE(outcome.units.empty()) << file;
  }
  ASSERT_EQ(reduction_counts().size(), size_t(row.production_count + 1))
      << "a production beyond " << row.production_count;
  std::string never;
  for (int production = 1; production <= row.production_count; ++production)
    if (reduction_counts()[production] == 0) never += " " + std::to_string(production);
  EXPECT_EQ(never, "") << "productions never reduced by the corpus";
}

// The traced parser reduces what the real one does: the same corpus yields
// the same units through either.
TEST_P(GrammarCoverageTest, TracedParserBuildsTheSameUnits) {
  const GrammarRow& row = GetParam();
  for (const std::string& file : corpus_files(row)) {
    SCOPED_TRACE(file);
    const std::string text = file_text(file);
    const ParseOutcome traced = parse_text(text, row.traced_compilation, "x.ada", row.revision);
    const ParseOutcome real = parse_text(text, parse_compilation, "x.ada", row.revision);
    expect_same_units(traced, real);
  }
}

// Both grammars build the same units from every Ada 95 file of the corpus.
TEST(GrammarCoverageTest, LaterGrammarBuildsTheAda95Units) {
  for (const std::string& file : corpus_files(grammar_rows[0])) {
    SCOPED_TRACE(file);
    const std::string text = file_text(file);
    const ParseOutcome ada95 = parse_text(text, parse_compilation, "x.ada", ADA_95);
    const ParseOutcome ada2022 = parse_text(text, parse_compilation, "x.ada", ADA_2022);
    EXPECT_EQ(ada2022.err, ada95.err);
    expect_same_units(ada2022, ada95);
  }
}

INSTANTIATE_TEST_SUITE_P(Grammars, GrammarCoverageTest, testing::ValuesIn(grammar_rows),
                         [](const testing::TestParamInfo<GrammarRow>& info) { return std::string(info.param.name); });

}  // namespace
