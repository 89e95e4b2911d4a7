// The chopper on hand-built unit lists: where the text is cut, names and
// placement, the overwrite rule, and what is left behind after an error.
#include "chop/chopper.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "driver/naming.h"
#include "driver/run_settings.h"
#include "tests/chop_harness.h"
#include "tests/unit_text_model.h"

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;  // name, content, in writing order

// What chop_file prints on standard output for `source` and `names`, without -l.
std::string announcements(const std::string& source, const std::vector<std::string>& names) {
  std::string text = "From " + source + "\n";
  for (const std::string& name : names) text += "Writting " + name + "\n";
  return text;
}

std::vector<std::string> names_of(const Files& files) {
  std::vector<std::string> names;
  for (const auto& file : files) names.push_back(file.first);
  return names;
}

class ChopperTest : public ChopDirTest {
 protected:
  // Makes `name` below the scratch directory the working directory.
  void enter(const std::string& name) {
    ASSERT_EQ(mkdir(at(name).c_str(), 0777), 0);
    ASSERT_EQ(chdir(at(name).c_str()), 0);
  }
};

struct CutCase {
  const char* what;
  std::string source;
  std::vector<UnitSpec> units;
  Files files;
  NamingFunction naming = gnat_file_name;
};

TEST_F(ChopperTest, EachUnitFileRunsThroughTheNewlineOfItsEndLine) {
  const CutCase cases[] = {
      {"comments and blank lines between units",
       "-- Leading comment\n\npackage A is\nend A;\n\n-- About B\n\npackage body B is\nend B;\n-- Trailing\n",
       {{"A", SPEC, 4, 6}, {"B", BODY, 9, 6}},
       {{"a.ads", "-- Leading comment\n\npackage A is\nend A;\n"},
        {"b.adb", "\n-- About B\n\npackage body B is\nend B;\n-- Trailing\n"}}},
      {"last line without newline",
       "package A is\nend A;\nprocedure Main is begin null; end Main;",
       {{"A", SPEC, 2, 6}, {"Main", PROC, 3, 39}},
       {{"a.ads", "package A is\nend A;\n"}, {"main.adb", "procedure Main is begin null; end Main;"}}},
      {"two units on one line, then a third",
       "package A is end A; package B is end B;\n-- between\npackage C is end C;\n-- after\n",
       {{"A", SPEC, 1, 19}, {"B", SPEC, 1, 39}, {"C", SPEC, 3, 19}},
       {{"a.ads", "package A is end A; "},
        {"b.ads", "package B is end B;\n"},
        {"c.ads", "-- between\npackage C is end C;\n-- after\n"}}},
      {"two units on the last unit line",
       "package A is end A; package B is end B;\n-- after\n\n",
       {{"A", SPEC, 1, 19}, {"B", SPEC, 1, 39}},
       {{"a.ads", "package A is end A; "}, {"b.ads", "package B is end B;\n-- after\n\n"}}},
      {"operator functions skipped at library level",
       "package A is\nend A;\nfunction \"+\" (L, R : T) return T is\nbegin\n   return L;\nend \"+\";\n"
       "package B is\nend B;\nfunction \"-\" (L : T) return T is begin return L; end \"-\";\n",
       {{"A", SPEC, 2, 6}, {"B", SPEC, 8, 6}},
       {{"a.ads", "package A is\nend A;\n"},
        {"b.ads", "function \"+\" (L, R : T) return T is\nbegin\n   return L;\nend \"+\";\n"
                  "package B is\nend B;\nfunction \"-\" (L : T) return T is begin return L; end \"-\";\n"}}},
      {"carriage returns and other bytes pass through",
       "package A is\r\nend A;\r\n-- caf\xE9 \x01\r\npackage B is\r\nend B;\r\n",
       {{"A", SPEC, 2, 6}, {"B", SPEC, 5, 6}},
       {{"a.ads", "package A is\r\nend A;\r\n"}, {"b.ads", "-- caf\xE9 \x01\r\npackage B is\r\nend B;\r\n"}}},
      {"GNAT names",
       "package body Parent.Child is end;\npackage A.B is end;\nprocedure Main is begin null; end;\n",
       {{"Parent.Child", BODY, 1, 33}, {"A.B", SPEC, 2, 19}, {"Main", PROC, 3, 33}},
       {{"parent-child.adb", "package body Parent.Child is end;\n"},
        {"a~b.ads", "package A.B is end;\n"},
        {"main.adb", "procedure Main is begin null; end;\n"}}},
      {"VESK names",
       "package body Parent.Child is end;\npackage A.B is end;\nprocedure Main is begin null; end;\n",
       {{"Parent.Child", BODY, 1, 33}, {"A.B", SPEC, 2, 19}, {"Main", PROC, 3, 33}},
       {{"parent.child.2.ada", "package body Parent.Child is end;\n"},
        {"a.b.1.ada", "package A.B is end;\n"},
        {"main.2.ada", "procedure Main is begin null; end;\n"}},
       vesk_file_name},
  };
  int row = 0;
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    write_file("source.ada", c.source);
    naming_convention = c.naming;
    const ChopOutcome outcome = run_chop("source.ada", build_units(c.units));
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.count, static_cast<int>(c.units.size()));
    EXPECT_EQ(outcome.out, announcements("source.ada", names_of(c.files)));
    EXPECT_EQ(outcome.err, "");
    std::vector<std::string> expected_names = names_of(c.files);
    expected_names.push_back("source.ada");
    std::sort(expected_names.begin(), expected_names.end());
    EXPECT_EQ(list_dir("."), expected_names);
    for (const auto& [name, content] : c.files) EXPECT_EQ(read_file(name), content) << name;
    EXPECT_EQ(read_file("source.ada"), c.source);
  }
}

TEST_F(ChopperTest, SourcesAroundTheCopyBlockSize) {
  // Lines of exactly 100 bytes put unit ends on and around the block boundary.
  for (const size_t size : {size_t{10000}, size_t{25000}}) {
    SCOPED_TRACE(size);
    enter("size" + std::to_string(size));
    std::string source;
    for (size_t line = 0; line < size / 100; ++line) source += std::string(99, 'a' + line % 26) + "\n";
    ASSERT_EQ(source.size(), size);
    write_file("source.ada", source);
    const uint32_t lines = static_cast<uint32_t>(size / 100);
    const ChopOutcome outcome =
        run_chop("source.ada", build_units({{"A", SPEC, 100, 1}, {"B", SPEC, 101, 1}, {"C", SPEC, lines - 1, 1}}));
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.count, 3);
    EXPECT_EQ(read_file("a.ads"), source.substr(0, 10000));
    EXPECT_EQ(read_file("b.ads"), source.substr(10000, size == 10000 ? 0 : 100));
    EXPECT_EQ(read_file("c.ads"), source.substr(std::min(size, size_t{10100})));
    EXPECT_EQ(temporary_copies("."), std::vector<std::string>{});
  }
}

TEST_F(ChopperTest, NoUnitMeansNoFileButTheCopyIsStillMadeAndRemoved) {
  for (const std::string source : {"", "-- only a comment\n\nfunction \"+\" (L, R : T) return T;\n"}) {
    SCOPED_TRACE(source);
    enter(source.empty() ? "empty" : "comment");
    write_file("source.ada", source);
    const ChopOutcome outcome = run_chop("source.ada", nullptr);
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.count, 0);
    EXPECT_EQ(outcome.out, "From source.ada\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(list_dir("."), std::vector<std::string>{"source.ada"});
  }
}

TEST_F(ChopperTest, ListingOutputDirectoryAndLog) {
  struct PlacementCase {
    const char* what;
    bool list_only;
    const char* directory;    // output directory setting, null for none
    const char* made;         // directory to create first, or null
    std::string expected_out;
    std::vector<std::string> paths;
  } cases[] = {
      {"-l alone", true, nullptr, nullptr, "a.ads\nb.adb\n", {"a.ads", "b.adb"}},
      {"directory", false, "out", "out", announcements("source.ada", {"out/a.ads", "out/b.adb"}),
       {"out/a.ads", "out/b.adb"}},
      {"directory with a trailing /", false, "out/", "out",
       announcements("source.ada", {"out/a.ads", "out/b.adb"}), {"out/a.ads", "out/b.adb"}},
      {"empty directory text", false, "", nullptr, announcements("source.ada", {"a.ads", "b.adb"}),
       {"a.ads", "b.adb"}},
      {"-l with a directory that is not UTF-8", true, "d\xE9p\xF4t", "d\xE9p\xF4t",
       "d\xE9p\xF4t/a.ads\nd\xE9p\xF4t/b.adb\n", {"d\xE9p\xF4t/a.ads", "d\xE9p\xF4t/b.adb"}},
  };
  const std::string source = "package A is\nend A;\npackage body B is\nend B;\n";
  int row = 0;
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    write_file("source.ada", source);
    if (c.made != nullptr) ASSERT_EQ(mkdir(c.made, 0777), 0);
    list_only = c.list_only;
    output_directory = c.directory;
    FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    std::fputs("earlier line\n", log);
    studio_log = log;
    const ChopOutcome outcome = run_chop("source.ada", build_units({{"A", SPEC, 2, 6}, {"B", BODY, 4, 6}}));
    studio_log = nullptr;
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_EQ(outcome.out, c.expected_out);
    EXPECT_EQ(read_file(c.paths[0]), "package A is\nend A;\n");
    EXPECT_EQ(read_file(c.paths[1]), "package body B is\nend B;\n");
    std::string logged;
    std::rewind(log);
    for (int ch; (ch = std::fgetc(log)) != EOF;) logged += static_cast<char>(ch);
    std::fclose(log);
    EXPECT_EQ(logged, "earlier line\nADA " + c.paths[0] + "\nADA " + c.paths[1] + "\n");
    EXPECT_EQ(temporary_copies("."), std::vector<std::string>{});
  }
}

TEST_F(ChopperTest, OverwriteRule) {
  struct OverwriteCase {
    const char* what;
    bool overwrite;                      // -w
    const char* in_the_way;              // what is at a.ads first: "file", "link", "pipe", "directory" or ""
    std::vector<UnitSpec> units;
    int status;
    std::string out;
    std::string err;
    std::optional<std::string> a_ads;    // content of a.ads afterwards, when it is a file
  };
  const std::string source = "package A is end A;\n-- second\npackage A is end A;\n";
  const std::vector<UnitSpec> twice = {{"A", SPEC, 1, 19}, {"A", SPEC, 3, 19}};
  const std::vector<UnitSpec> once = {{"A", SPEC, 3, 19}};
  const std::string exists = "Error:\"a.ads\" already exist, use -w to overwrite.\n";
  const OverwriteCase cases[] = {
      // The file in the way is the one this chop has just written.
      {"same file name twice without -w", false, "", twice, 5, announcements("source.ada", {"a.ads"}),
       exists + "Note: \"a.ads\" was written by an earlier unit of this run: the source holds two units of that "
                "name.\n",
       "package A is end A;\n"},
      {"existing file and the same file name twice without -w", false, "file", twice, 5, "From source.ada\n", exists,
       "old text\n"},
      {"same file name twice with -w", true, "", twice, -1, announcements("source.ada", {"a.ads", "a.ads"}),
       "Warning: the unit file \"a.ads\" is written twice, the later unit replaces the earlier one.\n",
       "-- second\npackage A is end A;\n"},
      {"existing file without -w", false, "file", once, 5, "From source.ada\n", exists, "old text\n"},
      {"existing file with -w", true, "file", once, -1, announcements("source.ada", {"a.ads"}), "", source},
      {"dangling link without -w", false, "link", once, 5, "From source.ada\n", exists, std::nullopt},
      // The link itself is replaced; nothing is written where it points.
      {"dangling link with -w", true, "link", once, -1, announcements("source.ada", {"a.ads"}), "", source},
      {"named pipe with -w", true, "pipe", once, 7, "From source.ada\n",
       "Error : Can't open \"a.ads\" for writting, cannot continue.\n", std::nullopt},
      {"directory without -w", false, "directory", once, 5, "From source.ada\n", exists, std::nullopt},
      {"directory with -w", true, "directory", once, 7, "From source.ada\n",
       "Error : Can't open \"a.ads\" for writting, cannot continue.\n", std::nullopt},
  };
  int row = 0;
  for (const OverwriteCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    write_file("source.ada", source);
    const std::string in_the_way = c.in_the_way;
    if (in_the_way == "file") write_file("a.ads", "old text\n");
    if (in_the_way == "link") ASSERT_EQ(symlink("missing.ads", "a.ads"), 0);
    if (in_the_way == "directory") ASSERT_EQ(mkdir("a.ads", 0777), 0);
    if (in_the_way == "pipe") ASSERT_EQ(mkfifo("a.ads", 0666), 0);
    no_overwrite = !c.overwrite;
    const ChopOutcome outcome = run_chop("source.ada", build_units(c.units));
    EXPECT_EQ(outcome.status, c.status);
    if (c.status == -1) EXPECT_EQ(outcome.count, static_cast<int>(c.units.size()));
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, c.err);
    if (c.a_ads) EXPECT_EQ(read_file("a.ads"), c.a_ads);
    if (in_the_way == "link" || in_the_way == "pipe") {
      struct stat status;
      EXPECT_EQ(lstat("a.ads", &status), 0);
      if (in_the_way == "pipe")
        EXPECT_TRUE(S_ISFIFO(status.st_mode));
      else
        EXPECT_EQ(S_ISLNK(status.st_mode), !c.overwrite);
      EXPECT_FALSE(read_file("missing.ads")) << "the link was written through";
    }
    EXPECT_EQ(read_file("source.ada"), source);
    EXPECT_EQ(temporary_copies("."), std::vector<std::string>{});
  }
}

TEST_F(ChopperTest, UnitFileThatIsTheSourceItself) {
  // The source is b.ads, the second unit's file; the third unit is cut from
  // the copy after the source has been replaced.
  const std::string source = "package A is end A;\npackage B is end B;\npackage C is end C;\n";
  for (const bool overwrite : {false, true}) {
    SCOPED_TRACE(overwrite ? "-w" : "no -w");
    enter(overwrite ? "w" : "no-w");
    write_file("b.ads", source);
    no_overwrite = !overwrite;
    const ChopOutcome outcome =
        run_chop("b.ads", build_units({{"A", SPEC, 1, 19}, {"B", SPEC, 2, 19}, {"C", SPEC, 3, 19}}));
    if (overwrite) {
      EXPECT_EQ(outcome.status, -1);
      EXPECT_EQ(outcome.count, 3);
      EXPECT_EQ(outcome.err, "");
      EXPECT_EQ(read_file("b.ads"), "package B is end B;\n");
      EXPECT_EQ(read_file("c.ads"), "package C is end C;\n");
      EXPECT_EQ(list_dir("."), (std::vector<std::string>{"a.ads", "b.ads", "c.ads"}));
    } else {
      EXPECT_EQ(outcome.status, 5);
      EXPECT_EQ(outcome.out, announcements("b.ads", {"a.ads"}));
      EXPECT_EQ(outcome.err, "Error:\"b.ads\" already exist, use -w to overwrite.\n");
      EXPECT_EQ(read_file("b.ads"), source);
      EXPECT_EQ(list_dir("."), (std::vector<std::string>{"a.ads", "b.ads"}));
    }
    EXPECT_EQ(read_file("a.ads"), "package A is end A;\n");
  }
}

// Two units named like the source: the first replaces the source, the
// second replaces the first. The first one's text then exists only in the
// temporary copy, which is kept and named.
TEST_F(ChopperTest, SourceReplacedTwiceKeepsItsCopy) {
  const std::string source = "procedure P is begin null; end P;\n-- second\nprocedure P is begin P; end P;\n";
  write_file("p.adb", source);
  no_overwrite = false;
  const ChopOutcome outcome = run_chop("p.adb", build_units({{"P", PROC, 1, 33}, {"P", PROC, 3, 30}}));
  EXPECT_EQ(outcome.status, -1);
  EXPECT_EQ(outcome.count, 2);
  EXPECT_EQ(outcome.out, announcements("p.adb", {"p.adb", "p.adb"}));
  const std::vector<std::string> copies = temporary_copies(".");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(outcome.err,
            "Warning: the unit file \"p.adb\" is written twice, the later unit replaces the earlier one.\n"
            "Error: the original text of \"p.adb\" is kept in \"" + copies[0] + "\".\n");
  EXPECT_EQ(read_file(copies[0]), source);
  EXPECT_EQ(read_file("p.adb"), "-- second\nprocedure P is begin P; end P;\n");
}

TEST_F(ChopperTest, UnitWithoutEndPositionEndsTheRunAndLeavesNoPartialFile) {
  for (const UnitSpec broken : {UnitSpec{"B", SPEC, 0, 0}, UnitSpec{"B", SPEC, 4, 0}}) {
    SCOPED_TRACE(broken.end_line);
    enter("line" + std::to_string(broken.end_line));
    write_file("source.ada", "package A is\nend A;\npackage B is\nend B;\n");
    const ChopOutcome outcome = run_chop("source.ada", build_units({{"A", SPEC, 2, 6}, broken}));
    EXPECT_EQ(outcome.status, 9);
    EXPECT_EQ(outcome.out, announcements("source.ada", {"a.ads", "b.ads"}));
    EXPECT_EQ(outcome.err, "Internal Error : unit B have no end position.\n");
    EXPECT_EQ(read_file("a.ads"), "package A is\nend A;\n");
    EXPECT_EQ(list_dir("."), (std::vector<std::string>{"a.ads", "source.ada"}));
  }
}

// Mounts on `dir`, in a private mount namespace, a tmpfs with room for the
// data of `pages` files of a page or less each; the reason why not, or ""
// when done. A file that does not fit is created and then fails to write.
std::string mount_pages(const char* dir, int pages) {
  if (unshare(CLONE_NEWNS) != 0) return "cannot make a mount namespace";
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "cannot make mounts private";
  const std::string size = "size=" + std::to_string(4 * pages) + "k";
  if (mount("tmpfs", dir, "tmpfs", 0, size.c_str()) != 0) return "cannot mount a small tmpfs";
  return "";
}

TEST_F(ChopperTest, WriteErrorOnAUnitFileRemovesItAndTheCopy) {
  struct FullCase {
    const char* what;
    std::vector<UnitSpec> units;
    int fitting;                    // unit files that fit in the output directory
    const char* failing;            // the unit file that does not
    std::vector<std::string> announced;
    std::vector<std::string> left;  // the output directory afterwards
  } cases[] = {
      {"first unit", {{"A", SPEC, 2, 6}, {"B", SPEC, 4, 6}}, 0, "out/a.ads", {"out/a.ads"}, {"filler"}},
      {"middle unit", {{"A", SPEC, 2, 6}, {"B", SPEC, 4, 6}, {"C", SPEC, 5, 1}}, 1, "out/b.ads",
       {"out/a.ads", "out/b.ads"}, {"a.ads", "filler"}},
      {"last unit", {{"A", SPEC, 2, 6}, {"B", SPEC, 4, 6}}, 1, "out/b.ads", {"out/a.ads", "out/b.ads"},
       {"a.ads", "filler"}},
  };
  int row = 0;
  for (const FullCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    write_file("source.ada", "package A is\nend A;\npackage B is\nend B;\nX;\n-- after\n");
    ASSERT_EQ(mkdir("out", 0777), 0);
    const std::string report = run_in_child([&]() -> std::string {
      // The filler takes the page that no unit file may have.
      const std::string refused = mount_pages("out", c.fitting + 1);
      if (!refused.empty()) return "skip: " + refused;
      write_file("out/filler", "x");
      no_overwrite = false;
      output_directory = "out";
      const ChopOutcome outcome = run_chop("source.ada", build_units(c.units));
      std::string text = describe(outcome, ".") + "out:";
      for (const std::string& name : list_dir("out")) text += " " + name;
      if (c.fitting > 0 && read_file("out/a.ads") != "package A is\nend A;\n") text += " (a.ads damaged)";
      return text;
    });
    if (report.rfind("skip: ", 0) == 0) GTEST_SKIP() << report.substr(6);
    std::string expected = "status 7\nout:" + announcements("source.ada", c.announced) +
                           "err:Error : can't write \"" + c.failing + "\", cannot continue.\nfiles: out source.ada\nout:";
    for (const std::string& name : c.left) expected += " " + name;
    EXPECT_EQ(report, expected);
  }
}

TEST_F(ChopperTest, OnceTheSourceIsReplacedAnErrorKeepsItsCopy) {
  // With -w the source a.ads becomes the first unit's file; after that the
  // temporary copy is the only full text of the source and must survive.
  const std::string source = "package A is\nend A;\npackage B is\nend B;\n";
  struct KeepCase {
    const char* what;
    std::vector<UnitSpec> units;
    bool full_disk;  // the working directory has room for the source and the copy only
    int status;
    std::string first_error;
    std::string a_ads;
  } cases[] = {
      {"the next unit file cannot be written", {{"A", SPEC, 2, 6}, {"B", SPEC, 4, 6}}, true, 7,
       "Error : can't write \"b.ads\", cannot continue.\n", "package A is\nend A;\n"},
      {"the replacing unit has no end", {{"A", SPEC, 0, 0}}, false, 9,
       "Internal Error : unit A have no end position.\n", ""},
  };
  int row = 0;
  for (const KeepCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    ASSERT_EQ(mkdir("work", 0777), 0);
    const std::string report = run_in_child([&]() -> std::string {
      if (c.full_disk) {
        const std::string refused = mount_pages("work", 2);
        if (!refused.empty()) return "skip: " + refused;
      }
      if (chdir("work") != 0) return "chdir failed";
      write_file("a.ads", source);
      no_overwrite = false;
      const ChopOutcome outcome = run_chop("a.ads", build_units(c.units));
      const std::vector<std::string> copies = temporary_copies(".");
      if (copies.size() != 1) return describe(outcome, ".") + "not one copy";
      std::string text = "status " + std::to_string(outcome.status) + "\nerr:" + outcome.err;
      if (read_file(copies[0]) != source) text += "copy damaged\n";
      text += "a.ads:" + read_file("a.ads").value_or("(missing)") + "files:";
      for (const std::string& name : list_dir(".")) text += " " + (name == copies[0] ? "<copy>" : name);
      const std::string notice = "Error: the original text of \"a.ads\" is kept in \"" + copies[0] + "\".\n";
      const size_t at = text.find(notice);
      if (at != std::string::npos) text.replace(at, notice.size(), "<kept notice>");
      return text;
    });
    if (report.rfind("skip: ", 0) == 0) GTEST_SKIP() << report.substr(6);
    EXPECT_EQ(report, "status " + std::to_string(c.status) + "\nerr:" + c.first_error + "<kept notice>a.ads:" +
                          c.a_ads + "files: a.ads <copy>");
  }
}

// Mounts a read-only tmpfs on "ro" and a 16 KiB one on "small" in a private
// mount namespace; the reason why not, or "" when done.
std::string mount_test_file_systems() {
  if (unshare(CLONE_NEWNS) != 0) return "cannot make a mount namespace";
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "cannot make mounts private";
  if (mount("tmpfs", "ro", "tmpfs", MS_RDONLY, "size=64k") != 0) return "cannot mount a read-only tmpfs";
  if (mount("tmpfs", "small", "tmpfs", 0, "size=16k") != 0) return "cannot mount a small tmpfs";
  return "";
}

TEST_F(ChopperTest, DirectoriesWhereNothingFitsOrNothingCanBeCreated) {
  std::string big_unit = "package B is\n";
  for (int i = 0; i < 2000; ++i) big_unit += "   X" + std::to_string(i) + " : constant := " + std::to_string(i) + ";\n";
  big_unit += "end B;\n";
  const std::string source = "package A is\nend A;\n" + big_unit;
  const uint32_t b_end = 2 + 2002;
  struct MountCase {
    const char* what;
    const char* workdir;    // working directory during the chop, below the scratch directory
    const char* word;       // source word
    const char* directory;  // output directory
    std::string expected;   // describe() of the working directory
    const char* listed;     // another directory to list, or null
    std::string listing;    // its names
  } cases[] = {
      {"read-only output directory", ".", "source.ada", "ro",
       "status 7\nout:From source.ada\nerr:Error : Can't open \"ro/a.ads\" for writting, cannot continue.\n"
       "files: ro small source.ada\n",
       nullptr, ""},
      {"read-only working directory", "ro", "../source.ada", nullptr,
       "status 7\nout:From ../source.ada\nerr:Error: can't open temporary file \"mirelchop-XXXXXX\"\nfiles:\n",
       nullptr, ""},
      {"output directory that fills up", ".", "source.ada", "small",
       "status 7\nout:From source.ada\nWritting small/a.ads\nWritting small/b.ads\n"
       "err:Error : can't write \"small/b.ads\", cannot continue.\nfiles: ro small source.ada\n",
       "small", " a.ads"},
  };
  int row = 0;
  for (const MountCase& c : cases) {
    SCOPED_TRACE(c.what);
    enter("row" + std::to_string(row++));
    write_file("source.ada", source);
    ASSERT_EQ(mkdir("ro", 0777), 0);
    ASSERT_EQ(mkdir("small", 0777), 0);
    const std::string report = run_in_child([&]() -> std::string {
      const std::string refused = mount_test_file_systems();
      if (!refused.empty()) return "skip: " + refused;
      if (chdir(c.workdir) != 0) return "chdir failed";
      no_overwrite = false;
      output_directory = c.directory;
      const ChopOutcome outcome = run_chop(c.word, build_units({{"A", SPEC, 2, 6}, {"B", SPEC, b_end, 6}}));
      std::string text = describe(outcome, ".");
      if (c.listed != nullptr) {
        text += "listed:";
        for (const std::string& name : list_dir(c.listed)) text += " " + name;
        if (read_file(std::string(c.listed) + "/a.ads") != "package A is\nend A;\n") text += " (a.ads damaged)";
      }
      return text;
    });
    if (report.rfind("skip: ", 0) == 0) GTEST_SKIP() << report.substr(6);
    EXPECT_EQ(report, c.expected + (c.listed ? "listed:" + c.listing : ""));
  }
}

TEST_F(ChopperTest, GeneratedSourcesComeBackWholeFromTheirUnitFiles) {
  std::mt19937 random(20131206);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    enter("round" + std::to_string(round));
    // Mostly short lines; a few rounds get very long lines, so that lines and
    // unit texts straddle the reader's blocks.
    const bool long_lines = round % 8 == 7;
    const int line_count = std::uniform_int_distribution<int>(1, long_lines ? 12 : 400)(random);
    std::string source;
    for (int i = 0; i < line_count; ++i) {
      const int length = long_lines ? std::uniform_int_distribution<int>(0, 120000)(random)
                                    : std::uniform_int_distribution<int>(0, 90)(random);
      for (int k = 0; k < length; ++k) {
        const char byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        // A third of the lines open with a semicolon, where a unit may end
        // and the next begin on its line.
        source += byte == '\n' ? ' ' : k == 0 && random() % 3 == 0 ? ';' : byte;
      }
      if (i + 1 < line_count || random() % 2 == 0) source += '\n';
    }
    // Non-decreasing end lines, sometimes several on one line.
    std::vector<UnitSpec> units;
    std::vector<std::string> names;
    const int unit_count = std::uniform_int_distribution<int>(1, 12)(random);
    std::vector<uint32_t> ends;
    for (int u = 0; u < unit_count; ++u)
      ends.push_back(std::uniform_int_distribution<uint32_t>(1, static_cast<uint32_t>(line_count))(random));
    std::sort(ends.begin(), ends.end());
    for (int u = 0; u < unit_count; ++u) names.push_back("U" + std::to_string(u));
    for (int u = 0; u < unit_count; ++u) units.push_back({names[u].c_str(), SPEC, ends[u], 1});
    write_file("source.ada", source);

    const ChopOutcome outcome = run_chop("source.ada", build_units(units));
    ASSERT_EQ(outcome.status, -1) << outcome.err;
    EXPECT_EQ(outcome.count, unit_count);

    // Each unit file holds its modelled text; only a cut before a letter, or
    // the end of the source, ends one without a newline.
    std::vector<UnitEnd> unit_ends;
    for (const uint32_t end : ends) unit_ends.push_back({end, 1});
    const std::vector<std::string_view> expected = modelled_unit_texts(source, unit_ends);
    std::string joined;
    for (int u = 0; u < unit_count; ++u) {
      const auto content = read_file("u" + std::to_string(u) + ".ads");
      ASSERT_TRUE(content);
      EXPECT_EQ(*content, expected[u]) << "unit " << u;
      joined += *content;
    }
    EXPECT_EQ(joined, source);
    EXPECT_EQ(temporary_copies("."), std::vector<std::string>{});
    ASSERT_EQ(chdir(scratch_->path.c_str()), 0);
  }
}

}  // namespace
