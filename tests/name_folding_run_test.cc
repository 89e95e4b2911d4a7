#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "driver/run_loop.h"
#include "driver/run_settings.h"
#include "tests/chop_harness.h"
#include "tests/cli_harness.h"
#include "tests/stream_capture.h"

namespace {

// One source for settle_name_folding: its text and unit names, and the
// folding the run loop must choose for it.
struct FoldingCase {
  const char* name;  // row name
  std::string source;
  std::vector<const char*> unit_names;
  bool utf8;  // the folding by UTF-8 characters is chosen
};

void PrintTo(const FoldingCase& c, std::ostream* os) { *os << c.name; }

const FoldingCase folding_cases[] = {
    {"AsciiNamesInUtf8Source", "-- \xC3\xA9t\xC3\xA9\npackage P is end P;\n", {"P", "Q"}, false},
    {"AsciiNamesInLatin1Source", "-- \xE9t\xE9\npackage P is end P;\n", {"P"}, false},
    {"Utf8NameInUtf8Source", "package \xC3\x96L is end \xC3\x96L;\n", {"\xC3\x96L"}, true},
    {"Utf8NameAfterAsciiOnes", "package A is end A;\npackage \xC3\x96L is end \xC3\x96L;\n", {"A", "\xC3\x96L"}, true},
    {"ByteOrderMarkFirst", "\xEF\xBB\xBFpackage \xC3\x96L is end \xC3\x96L;\n", {"\xC3\x96L"}, true},
    {"Utf8NameWithLatin1Comment", "package \xC3\x96L is end \xC3\x96L; -- \xE9t\xE9\n", {"\xC3\x96L"}, false},
    {"Latin1Name", "package \xC4L is end \xC4L;\n", {"\xC4L"}, false},
    {"CharacterCutShortAtTheEnd", "package \xC3\x96L is end \xC3\x96L;\n--\xE2\x82", {"\xC3\x96L"}, false},
    {"SubunitPrefixBeyondAscii", "separate (\xC3\x96L) procedure Q is begin null; end Q;\n",
     {"\xC3\x96L.Q"}, true},
};

class NameFoldingTest : public ::testing::TestWithParam<FoldingCase> {
 protected:
  void TearDown() override { current_source_utf8 = false; }
};

// The choice is made afresh for each source, whatever the previous one was,
// and leaves the source's offset alone.
TEST_P(NameFoldingTest, ChosenPerSourceFromItsNamesAndBytes) {
  const FoldingCase& c = GetParam();
  ScratchDir dir;
  const std::string path = dir.path + "/source.ada";
  write_file(path, c.source);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(lseek(fd, 7, SEEK_SET), 7);
  std::vector<Unit> units(c.unit_names.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i].full_name = const_cast<char*>(c.unit_names[i]);
    units[i].next = i + 1 < units.size() ? &units[i + 1] : nullptr;
  }
  for (const bool previous : {false, true}) {
    current_source_utf8 = previous;
    settle_name_folding(fd, units.data());
    EXPECT_EQ(current_source_utf8, c.utf8) << "after a source with UTF-8 folding " << previous;
  }
  EXPECT_EQ(lseek(fd, 0, SEEK_CUR), 7);
  close(fd);
}

TEST(SettleNameFoldingTest, NoUnitsMeansNoUtf8Folding) {
  current_source_utf8 = true;
  settle_name_folding(-1, nullptr);
  EXPECT_FALSE(current_source_utf8);
}

INSTANTIATE_TEST_SUITE_P(Rows, NameFoldingTest, ::testing::ValuesIn(folding_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A run of sources read as Ada 2005, whose unit names hold letters beyond
// ASCII: the files each source's units go to, and their text.
struct FoldingRunCase {
  const char* name;  // row name
  std::vector<std::pair<std::string, std::string>> sources;  // file name and text, in run order
  std::map<std::string, std::string> unit_files;             // file name and text
};

void PrintTo(const FoldingRunCase& c, std::ostream* os) { *os << c.name; }

const FoldingRunCase folding_run_cases[] = {
    {"Utf8Source",
     {{"s.ada", "package Gr\xC3\xB6\xC3\x9F" "e is end Gr\xC3\xB6\xC3\x9F" "e;\npackage \xC3\x96L is end \xC3\x96L;\n"}},
     {{"gr\xC3\xB6\xC3\x9F" "e.ads", "package Gr\xC3\xB6\xC3\x9F" "e is end Gr\xC3\xB6\xC3\x9F" "e;\n"},
      {"\xC3\xB6l.ads", "package \xC3\x96L is end \xC3\x96L;\n"}}},
    {"Utf8ChildAfterByteOrderMark",
     {{"s.ada", "\xEF\xBB\xBFpackage \xC3\x84.\xC3\x96 is end \xC3\x84.\xC3\x96;\n"}},
     {{"\xC3\xA4-\xC3\xB6.ads", "\xEF\xBB\xBFpackage \xC3\x84.\xC3\x96 is end \xC3\x84.\xC3\x96;\n"}}},
    {"Latin1Source",
     {{"s.ada", "package \xC4L is end \xC4L;\nprocedure A\xD7 is begin null; end A\xD7;\n"}},
     {{"\xE4l.ads", "package \xC4L is end \xC4L;\n"}, {"a\xD7.adb", "procedure A\xD7 is begin null; end A\xD7;\n"}}},
    {"Utf8NameInLatin1Source",
     {{"s.ada", "package \xC3\x96L is end \xC3\x96L; -- caf\xE9\n"}},
     {{"\xE3\x96l.ads", "package \xC3\x96L is end \xC3\x96L; -- caf\xE9\n"}}},
    // Each source is judged by itself, whatever the one before was.
    {"Utf8SourceThenLatin1Source",
     {{"a.ada", "package \xC3\x84 is end \xC3\x84;\n"}, {"b.ada", "package \xC3\x96L is end \xC3\x96L; -- \xE9\n"}},
     {{"\xC3\xA4.ads", "package \xC3\x84 is end \xC3\x84;\n"}, {"\xE3\x96l.ads", "package \xC3\x96L is end \xC3\x96L; -- \xE9\n"}}},
    {"Latin1SourceThenUtf8Source",
     {{"a.ada", "package \xC3\x84 is end \xC3\x84; -- \xE9\n"}, {"b.ada", "package \xC3\x96L is end \xC3\x96L;\n"}},
     {{"\xE3\x84.ads", "package \xC3\x84 is end \xC3\x84; -- \xE9\n"}, {"\xC3\xB6l.ads", "package \xC3\x96L is end \xC3\x96L;\n"}}},
};

class FoldingRunTest : public ChopDirTest, public ::testing::WithParamInterface<FoldingRunCase> {
 protected:
  void SetUp() override {
    ChopDirTest::SetUp();
    ada_revision = ADA_2005;
  }
  void TearDown() override {
    ada_revision = ADA_95;
    current_source_utf8 = false;
    ChopDirTest::TearDown();
  }
};

TEST_P(FoldingRunTest, UnitFilesNamedByEachSourcesEncoding) {
  const FoldingRunCase& c = GetParam();
  std::vector<const char*> words;
  for (const auto& [file, text] : c.sources) {
    write_file(at(file), text);
    words.push_back(file.c_str());
  }
  int status = -1;
  {
    ExitTrap trap;
    StreamCapture out(stdout);
    StreamCapture err(stderr);
    try {
      status = run_sources(words);
    } catch (const ProcessExit& exit) {
      status = exit.status;
    }
    EXPECT_EQ(err.text(), "");
  }
  EXPECT_EQ(status, 0);
  std::map<std::string, std::string> written;
  for (const std::string& name : list_dir(scratch_->path)) {
    bool is_source = false;
    for (const auto& source : c.sources) is_source = is_source || source.first == name;
    if (!is_source) written[name] = read_file(at(name)).value_or("(unreadable)");
  }
  EXPECT_EQ(written, c.unit_files);
}

INSTANTIATE_TEST_SUITE_P(Rows, FoldingRunTest, ::testing::ValuesIn(folding_run_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
