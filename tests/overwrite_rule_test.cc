// The overwrite rule's verdicts, judged on real files of a scratch
// directory against the run's recorded sources: what a unit file may do to
// the file at its path, and which refusal wins when several apply.
#include "chop/overwrite_rule.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "chop/protected_sources.h"
#include "tests/cli_harness.h"

namespace {

// The run's sources as recorded, how far the run has come, and the file at
// a unit file's path: what judge_unit_file must say of it.
struct JudgeRow {
  const char* name;
  std::vector<std::string> sources;   // source words, files of the scratch directory
  std::size_t reached;                // the index of the source being chopped
  std::vector<std::string> replaced;  // sources chopped earlier that their own unit file replaced
  std::string target;                 // the file at the unit file's path
  OverwriteVerdict::Kind kind;
  std::string source;  // the source word the verdict names, or empty
};

void PrintTo(const JudgeRow& row, std::ostream* os) { *os << row.name; }

const JudgeRow judge_rows[] = {
    {"NewFile", {"a.ads", "b.ads"}, 0, {}, "new.ads", OverwriteVerdict::write, ""},
    {"NamedPipe", {"a.ads"}, 0, {}, "pipe", OverwriteVerdict::cannot_open, ""},
    {"Directory", {"a.ads"}, 0, {}, "dir", OverwriteVerdict::cannot_open, ""},
    {"TheSourceBeingChopped", {"a.ads", "b.ads"}, 0, {}, "a.ads", OverwriteVerdict::write_source, ""},
    {"SourceStillToBeChopped", {"a.ads", "b.ads"}, 0, {}, "b.ads", OverwriteVerdict::later_source, "b.ads"},
    // Known by identity, whatever name leads to it.
    {"OtherNameOfASourceStillToBeChopped", {"a.ads", "b.ads"}, 0, {}, "b-link.ads", OverwriteVerdict::later_source,
     "b.ads"},
    // Its text is in its unit files now.
    {"SourceChoppedEarlier", {"a.ads", "b.ads"}, 1, {}, "a.ads", OverwriteVerdict::write, ""},
    {"SourceChoppedEarlierAndReplaced", {"a.ads", "b.ads"}, 1, {"a.ads"}, "a.ads", OverwriteVerdict::replaced_source,
     "a.ads"},
    // Given again later, the source being chopped is still needed whole.
    {"SourceBeingChoppedAndGivenAgain", {"a.ads", "b.ads", "a.ads"}, 0, {}, "a.ads", OverwriteVerdict::later_source,
     "a.ads"},
    {"StillToBeChoppedOutranksReplaced", {"a.ads", "b.ads", "a.ads"}, 1, {"a.ads"}, "a.ads",
     OverwriteVerdict::later_source, "a.ads"},
    // Chopped a second time, its replacement must not be replaced in turn.
    {"ReplacedOutranksTheSourceBeingChopped", {"a.ads", "b.ads", "a.ads"}, 2, {"a.ads"}, "a.ads",
     OverwriteVerdict::replaced_source, "a.ads"},
};

class OverwriteRuleTest : public ::testing::TestWithParam<JudgeRow> {
 protected:
  // The recorded sources are the whole process's: none stays for other tests.
  void TearDown() override { protected_sources_record({}); }

  // `name` in the scratch directory.
  std::string at(const std::string& name) const { return scratch_.path + "/" + name; }

  // The identity of the file `name`.
  struct stat status_of(const std::string& name) const {
    struct stat status = {};
    EXPECT_EQ(lstat(at(name).c_str(), &status), 0) << name;
    return status;
  }

  const ScratchDir scratch_;
};

TEST_P(OverwriteRuleTest, JudgesTheFileAtTheUnitFilePath) {
  const JudgeRow& row = GetParam();
  for (const char* name : {"a.ads", "b.ads", "new.ads"}) write_file(at(name), std::string("-- ") + name + "\n");
  ASSERT_EQ(link(at("b.ads").c_str(), at("b-link.ads").c_str()), 0);
  ASSERT_EQ(mkfifo(at("pipe").c_str(), 0666), 0);
  ASSERT_EQ(mkdir(at("dir").c_str(), 0777), 0);

  std::vector<std::string> words;
  for (const std::string& source : row.sources) words.push_back(at(source));
  std::vector<const char*> word_pointers;
  for (const std::string& word : words) word_pointers.push_back(word.c_str());
  protected_sources_record(word_pointers);
  for (const std::string& source : row.replaced) {
    const struct stat status = status_of(source);
    protected_sources_mark_replaced(status.st_dev, status.st_ino);
  }
  protected_sources_reach(row.reached);

  const struct stat chopped = status_of(row.sources[row.reached]);
  const OverwriteVerdict verdict = judge_unit_file(status_of(row.target), chopped.st_dev, chopped.st_ino);
  EXPECT_EQ(verdict.kind, row.kind);
  EXPECT_EQ(verdict.source == nullptr ? std::string() : std::string(verdict.source),
            row.source.empty() ? std::string() : at(row.source));
  EXPECT_EQ(allows_writing(verdict), row.kind == OverwriteVerdict::write || row.kind == OverwriteVerdict::write_source);
}

INSTANTIATE_TEST_SUITE_P(Rows, OverwriteRuleTest, ::testing::ValuesIn(judge_rows),
                         [](const auto& info) { return std::string(info.param.name); });

// How a failed opening of a unit file is judged.
struct FailedOpenRow {
  const char* name;
  int error;
  bool exclusive;  // no -w
  OverwriteVerdict::Kind kind;
};

void PrintTo(const FailedOpenRow& row, std::ostream* os) { *os << row.name; }

const FailedOpenRow failed_open_rows[] = {
    // Something appeared at the path after it was found free.
    {"AppearedWithoutOverwrite", EEXIST, true, OverwriteVerdict::exists},
    // With -w, EEXIST stands for a pipe, socket, device or directory: never "use -w".
    {"NoRegularFileWithOverwrite", EEXIST, false, OverwriteVerdict::cannot_open},
    {"NameTooLongWithoutOverwrite", ENAMETOOLONG, true, OverwriteVerdict::cannot_open},
    {"NoPermissionWithOverwrite", EACCES, false, OverwriteVerdict::cannot_open},
};

class FailedOpenTest : public ::testing::TestWithParam<FailedOpenRow> {};

TEST_P(FailedOpenTest, NeverAllowsWriting) {
  const FailedOpenRow& row = GetParam();
  const OverwriteVerdict verdict = judge_failed_open(row.error, row.exclusive);
  EXPECT_EQ(verdict.kind, row.kind);
  EXPECT_EQ(verdict.source, nullptr);
  EXPECT_FALSE(allows_writing(verdict));
}

INSTANTIATE_TEST_SUITE_P(Rows, FailedOpenTest, ::testing::ValuesIn(failed_open_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
