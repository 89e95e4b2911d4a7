// Where the program writes. Unit file names are made only of Ada
// identifiers, dots or hyphens and a fixed extension, so no source can name
// a file outside the output directory: these rows try sources whose units
// would be named with a slash, with "..", with bytes outside ASCII, or
// beyond the file system's name limit, and check every file of the working
// and output directories afterwards.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/cli_harness.h"

namespace {

// A hostile source, chopped into `out` below the scratch directory, and
// everything the run must leave.
struct WriteRow {
  const char* name;
  std::string source;             // written to src.ada
  std::vector<std::string> args;  // before the source and the output directory
  std::string out;
  std::string err;
  int status;
  std::vector<std::string> in_out;  // the files of out afterwards
  std::vector<std::pair<std::string, std::string>> contents;  // files of out and what they hold
};

// Rows print as their names in test output.
void PrintTo(const WriteRow& row, std::ostream* os) { *os << row.name; }

// The longest file name this scratch file system takes.
size_t name_limit() {
  const ScratchDir scratch;
  const long limit = pathconf(scratch.path.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<size_t>(limit) : 255;
}

// A library package named `name`, on two lines.
std::string package(const std::string& name) { return "package " + name + " is\nend " + name + ";\n"; }

// An identifier of `length` letters, in mixed case so that lowering shows.
std::string identifier(size_t length) {
  std::string name(length, 'n');
  name[0] = 'L';
  return name;
}

// A subunit function named by the operator symbol `symbol`, as written.
std::string operator_subunit(const std::string& symbol) {
  return "separate (P)\nfunction " + symbol + " (A, B : Integer) return Integer is\nbegin\n   return 0;\nend " +
         symbol + ";\n";
}

std::vector<WriteRow> write_rows() {
  // Room left for the name itself once ".ads" is added.
  const size_t longest = name_limit() - 4;
  const std::string fits = identifier(longest);
  const std::string too_long = identifier(longest + 1);
  std::string lowered_fits = fits;
  lowered_fits[0] = 'l';
  std::string lowered_too_long = too_long;
  lowered_too_long[0] = 'l';
  // Short parts whose joined name is too long for one file name.
  std::string dotted = "A";
  while (dotted.size() <= longest) dotted += ".Part";
  std::string joined = "a";
  while (joined.size() < dotted.size()) joined += "-part";
  joined[1] = '~';  // a one-letter parent "a" takes a tilde

  return {
      {"OperatorSymbolWithASlash", operator_subunit("\"/\""), {}, "From src.ada\nChopped 0 files.\n",
       "Error src.ada:5: operator not allowed at library level\n", 0, {}, {}},
      {"PercentOperatorSymbolWithASlash", operator_subunit("%/%"), {}, "From src.ada\nChopped 0 files.\n",
       "Error src.ada:5: operator not allowed at library level\n", 0, {}, {}},
      {"StringNamingAParentDirectory", operator_subunit("\"../../escaped\""), {},
       "From src.ada\nChopped 0 files.\n", "Error src.ada:5: operator not allowed at library level\n", 0, {}, {}},
      {"LeadingDots", "package ..P is\nend ..P;\n", {}, "",
       "src.ada:1:9: Syntax error while analysing, can't continue.\n", 7, {}, {}},
      {"TrailingDots", "package P.. is\nend P..;\n", {}, "",
       "src.ada:1:10: Syntax error while analysing, can't continue.\n", 7, {}, {}},
      // Dots stay inside one file name; they never make a path of it.
      {"DottedNameKeptWhole", package("A.B.C"), {"-n", "VESK"},
       "From src.ada\nWritting out/a.b.c.1.ada\nChopped 1 files.\n", "", 0, {"a.b.c.1.ada"},
       {{"a.b.c.1.ada", package("A.B.C")}}},
      {"DottedNameHyphenated", package("A.B.C"), {},
       "From src.ada\nWritting out/a~b-c.ads\nChopped 1 files.\n", "", 0, {"a~b-c.ads"},
       {{"a~b-c.ads", package("A.B.C")}}},
      // Bytes outside ASCII are no part of an identifier: the name is "Caf".
      {"BytesOutsideAscii", package("Caf\xC3\xA9"), {},
       "From src.ada\nWritting out/caf.ads\nChopped 1 files.\n", "", 0, {"caf.ads"},
       {{"caf.ads", package("Caf\xC3\xA9")}}},
      {"NameAtTheFileSystemLimit", package(fits), {},
       "From src.ada\nWritting out/" + lowered_fits + ".ads\nChopped 1 files.\n", "", 0, {lowered_fits + ".ads"},
       {{lowered_fits + ".ads", package(fits)}}},
      // The unit before it is complete; nothing of the long one is left.
      {"NameBeyondTheFileSystemLimit", package("P") + package(too_long), {},
       "From src.ada\nWritting out/p.ads\n",
       "Error : Can't open \"out/" + lowered_too_long + ".ads\" for writting, cannot continue.\n", 7, {"p.ads"},
       {{"p.ads", package("P")}}},
      {"DottedNameBeyondTheFileSystemLimit", package(dotted), {}, "From src.ada\n",
       "Error : Can't open \"out/" + joined + ".ads\" for writting, cannot continue.\n", 7, {}, {}},
  };
}

class WriteSafetyTest : public ::testing::TestWithParam<WriteRow> {};

TEST_P(WriteSafetyTest, WritesOnlyInTheOutputDirectory) {
  const WriteRow& row = GetParam();
  const ScratchDir scratch;
  write_file(scratch.path + "/src.ada", row.source);
  ASSERT_EQ(mkdir((scratch.path + "/out").c_str(), 0777), 0);
  std::vector<std::string> args = row.args;
  args.insert(args.end(), {"src.ada", "out"});
  const CliResult result = run_mirelchop({args, {}, scratch.path});
  EXPECT_EQ(result.out, row.out);
  EXPECT_EQ(result.err, row.err);
  EXPECT_EQ(result.status, row.status);
  // Nothing beside the source and the output directory: no escaped file, no temporary copy.
  EXPECT_EQ(list_dir(scratch.path), (std::vector<std::string>{"out", "src.ada"}));
  EXPECT_EQ(list_dir(scratch.path + "/out"), row.in_out);
  for (const auto& [name, content] : row.contents)
    EXPECT_EQ(read_file(scratch.path + "/out/" + name), content) << name;
  // Nothing above the scratch directory either: a name that climbed out of
  // out/ by two levels would land beside it.
  const std::string parent = scratch.path.substr(0, scratch.path.rfind('/'));
  EXPECT_NE(access((parent + "/escaped").c_str(), F_OK), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteSafetyTest, ::testing::ValuesIn(write_rows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
