#include "driver/utf8_validity.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/cli_harness.h"

namespace {

using namespace std::string_literals;

struct ValidityCase {
  const char* name;  // row name
  std::string text;
  bool valid;
};

void PrintTo(const ValidityCase& c, std::ostream* os) { *os << c.name; }

// A run of ASCII long enough for the eight-byte steps.
const std::string ascii_run = "package Long_Name_Here is ";

const ValidityCase validity_cases[] = {
    {"Empty", "", true},
    {"Ascii", "package P is end P;\n", true},
    {"ByteOrderMark", "\xEF\xBB\xBFpackage P is end P;\n", true},
    {"TwoThreeAndFourBytes", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80", true},
    {"SmallestOfEachLength", "\x00 \xC2\x80 \xE0\xA0\x80 \xF0\x90\x80\x80"s, true},
    {"AroundTheSurrogates", "\xED\x9F\xBF \xEE\x80\x80", true},
    {"LargestCodePoint", "\xF4\x8F\xBF\xBF", true},
    {"AfterLongAsciiRun", ascii_run + "\xC3\x96L" + ascii_run, true},
    {"OverlongTwoBytes", "\xC0\xAF", false},
    {"OverlongTwoBytesHighest", "\xC1\xBF", false},
    {"OverlongThreeBytes", "\xE0\x9F\xBF", false},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", false},
    {"FirstSurrogate", "\xED\xA0\x80", false},
    {"LastSurrogate", "\xED\xBF\xBF", false},
    {"BeyondLargestCodePoint", "\xF4\x90\x80\x80", false},
    {"LeadByteF5", "\xF5\x80\x80\x80", false},
    {"ByteFF", "a\xFF", false},
    {"StrayContinuation", "a\xBF" "b", false},
    {"LeadWithoutContinuation", "\xC3" "A", false},
    {"ThreeByteCutByAscii", "\xE2\x82 ", false},
    {"Latin1Text", "\xC4L \xE9t\xE9", false},
    {"TwoByteCutAtTheEnd", "abc\xC3", false},
    {"ThreeByteCutAtTheEnd", "\xE2\x82", false},
    {"FourByteCutAtTheEnd", "\xF0\x9F\x98", false},
    {"CutAtTheEndOfLongAsciiRun", ascii_run + ascii_run + "\xC3", false},
};

class Utf8ValidityTest : public ::testing::TestWithParam<ValidityCase> {};

TEST_P(Utf8ValidityTest, WholeText) {
  const ValidityCase& c = GetParam();
  Utf8Validity validity = {};
  utf8_validity_feed(validity, c.text.data(), c.text.size());
  EXPECT_EQ(utf8_validity_complete(validity), c.valid);
}

// A character split between two pieces is whole once both are fed.
TEST_P(Utf8ValidityTest, FedInTwoPiecesAtEverySplit) {
  const ValidityCase& c = GetParam();
  for (std::size_t split = 0; split <= c.text.size(); ++split) {
    Utf8Validity validity = {};
    utf8_validity_feed(validity, c.text.data(), split);
    utf8_validity_feed(validity, c.text.data() + split, c.text.size() - split);
    EXPECT_EQ(utf8_validity_complete(validity), c.valid) << "split at " << split;
  }
}

TEST_P(Utf8ValidityTest, AsAFile) {
  const ValidityCase& c = GetParam();
  ScratchDir dir;
  const std::string path = dir.path + "/source.ada";
  write_file(path, c.text);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(file_is_utf8(fd), c.valid);
  close(fd);
}

INSTANTIATE_TEST_SUITE_P(Rows, Utf8ValidityTest, ::testing::ValuesIn(validity_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Files longer than the blocks they are read in: characters across block
// boundaries, a fault far from the start, a character cut at the very end.
TEST(Utf8ValidityFileTest, LargeFiles) {
  struct {
    std::string tail;
    bool valid;
  } rows[] = {{"", true}, {"\xC3", false}, {"\xED\xA0\x80 end", false}, {"\xF0\x9F\x98\x80", true}};
  std::string body;
  while (body.size() < 200 * 1024) body += "-- \xC3\x96l \xE2\x82\xAC \xF0\x9F\x98\x80 text\n";
  ScratchDir dir;
  const std::string path = dir.path + "/large.ada";
  for (const auto& row : rows) {
    write_file(path, body + row.tail);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(file_is_utf8(fd), row.valid) << row.tail.size() << " bytes after the body";
    close(fd);
  }
}

TEST(Utf8ValidityFileTest, UnreadableFileIsNotUtf8) { EXPECT_FALSE(file_is_utf8(-1)); }

TEST(Utf8ValidityFileTest, BrokenStaysBroken) {
  Utf8Validity validity = {};
  utf8_validity_feed(validity, "\xFF", 1);
  utf8_validity_feed(validity, "abc", 3);
  EXPECT_FALSE(utf8_validity_complete(validity));
}

}  // namespace
