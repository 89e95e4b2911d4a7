#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/parser.h"
#include "driver/exit_trap.h"
#include "driver/run_loop.h"
#include "driver/run_settings.h"
#include "tests/chop_harness.h"
#include "tests/cli_harness.h"
#include "tests/stream_capture.h"

namespace {

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
