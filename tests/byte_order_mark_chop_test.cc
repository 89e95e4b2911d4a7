// Whole runs of the program on sources that open with a UTF-8 byte-order
// mark: read as a later revision, the mark belongs to the whole source, so
// every unit file opens with it; the unit files make up the source once the
// marks of all but the first are taken away. Ada 95 reads no mark: its
// bytes go with the first unit's text alone.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/cli_harness.h"

namespace {

const std::string mark = "\xEF\xBB\xBF";

// A source, the revision it is read as, the unit files its chop must write
// in writing order, and whether they repeat the source's mark.
struct MarkRow {
  const char* name;
  const char* revision;  // MIRELCHOP_ADA
  std::string source;
  UnitFiles files;
  bool repeated;  // every unit file after the first opens with the mark
};

void PrintTo(const MarkRow& row, std::ostream* os) { *os << row.name; }

const MarkRow mark_rows[] = {
    {"OneUnit", "2005", mark + "package P is end P;\n", {{"p.ads", mark + "package P is end P;\n"}}, true},
    {"EveryUnitFileOpensWithTheMark",
     "2012",
     mark + "-- Lib\npackage A is\nend A;\n\npackage body A is\nend A;\nprocedure Main is begin null; end Main;\n",
     {{"a.ads", mark + "-- Lib\npackage A is\nend A;\n"},
      {"a.adb", mark + "\npackage body A is\nend A;\n"},
      {"main.adb", mark + "procedure Main is begin null; end Main;\n"}},
     true},
    {"UnitsSharingTheFirstLine",
     "2022",
     mark + "package A is end A; package B is end B;\n",
     {{"a.ads", mark + "package A is end A; "}, {"b.ads", mark + "package B is end B;\n"}},
     true},
    {"Ada95ReadsNoMark",
     "95",
     mark + "package A is\nend A;\npackage B is\nend B;\n",
     {{"a.ads", mark + "package A is\nend A;\n"}, {"b.ads", "package B is\nend B;\n"}},
     false},
    {"NoMarkNoneAdded",
     "2022",
     "package A is\nend A;\npackage B is\nend B;\n",
     {{"a.ads", "package A is\nend A;\n"}, {"b.ads", "package B is\nend B;\n"}},
     false},
};

class ByteOrderMarkChopTest : public ::testing::TestWithParam<MarkRow> {};

TEST_P(ByteOrderMarkChopTest, UnitFilesMakeUpTheSourceBarTheRepeatedMarks) {
  const MarkRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/source.txt", row.source);
  const CliResult result = run_mirelchop({{"-l", "source.txt"}, {{"MIRELCHOP_ADA", row.revision}}, scratch.path});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  const auto [listing, joined] = expect_unit_files(scratch.path, row.files);
  EXPECT_EQ(result.out, listing);
  std::string unmarked;
  for (std::size_t i = 0; i < row.files.size(); ++i) {
    const std::string& text = row.files[i].second;
    const bool drop = row.repeated && i > 0;
    if (drop) EXPECT_EQ(text.substr(0, mark.size()), mark) << row.files[i].first;
    unmarked += text.substr(drop ? mark.size() : 0);
  }
  EXPECT_EQ(unmarked, row.source);
  EXPECT_EQ(joined.size(), row.source.size() + (row.repeated ? mark.size() * (row.files.size() - 1) : 0));
  EXPECT_EQ(list_dir(scratch.path).size(), row.files.size() + 1) << "source.txt and the unit files only";
}

INSTANTIATE_TEST_SUITE_P(Rows, ByteOrderMarkChopTest, ::testing::ValuesIn(mark_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
