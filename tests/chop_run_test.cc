// Whole-program runs of the chopping: a multi-unit source cut as a reader
// expects, round trips over real and generated sources, and the faults that
// must end a run with its status and leave no temporary file behind.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/chop_harness.h"
#include "tests/cli_harness.h"

namespace {

const std::string shapes_source =
    "-- Shapes: a small library in one file.\n"
    "\n"
    "with Ada.Text_IO;\n"
    "package Shapes is\n"
    "   type Shape is abstract tagged null record;\n"
    "   function Area (S : Shape) return Float is abstract;\n"
    "end Shapes;\n"
    "\n"
    "-- The body has nothing but a subunit stub.\n"
    "package body Shapes is\n"
    "   procedure Log (Text : String) is separate;\n"
    "end Shapes;\n"
    "\n"
    "separate (Shapes)\n"
    "procedure Log (Text : String) is\n"
    "begin\n"
    "   Ada.Text_IO.Put_Line (Text);\n"
    "end Log;\n"
    "\n"
    "generic\n"
    "   type Real is digits <>;\n"
    "package Shapes.Generic_Circles is\n"
    "   function Area (Radius : Real) return Real;\n"
    "end Shapes.Generic_Circles;\n"
    "\n"
    "package body Shapes.Generic_Circles is\n"
    "   function Area (Radius : Real) return Real is\n"
    "   begin\n"
    "      return 3.14159 * Radius * Radius;\n"
    "   end Area;\n"
    "end Shapes.Generic_Circles;\n"
    "\n"
    "with Shapes.Generic_Circles;\n"
    "package Shapes.Circles is new Shapes.Generic_Circles (Float);\n"
    "with Shapes; package Figures renames Shapes; procedure Touch is begin null; end Touch;\n"
    "-- trailing comment without newline";

TEST(ChopRunTest, MultiUnitSourceUnderBothConventions) {
  // Each unit file runs from where its text begins to where the next one's
  // does; the last two units share a line.
  struct Expected {
    const char* gnat;
    const char* vesk;
    const char* begins;
  };
  const Expected units[] = {
      {"shapes.ads", "shapes.1.ada", "-- Shapes: a small"},
      {"shapes.adb", "shapes.2.ada", "\n-- The body has"},
      {"shapes-log.adb", "shapes.log.2.ada", "\nseparate (Shapes)"},
      {"shapes-generic_circles.ads", "shapes.generic_circles.1.ada", "\ngeneric\n"},
      {"shapes-generic_circles.adb", "shapes.generic_circles.2.ada", "\npackage body Shapes.Generic_Circles"},
      {"shapes-circles.ads", "shapes.circles.1.ada", "\nwith Shapes.Generic_Circles;"},
      {"figures.ads", "figures.1.ada", "with Shapes; package Figures"},
      {"touch.adb", "touch.2.ada", "procedure Touch is"},
  };
  std::vector<size_t> starts;
  for (const Expected& unit : units)
    starts.push_back(shapes_source.find(unit.begins, starts.empty() ? 0 : starts.back() + 1));
  ASSERT_EQ(starts.front(), 0u);
  starts.push_back(shapes_source.size());
  for (const bool vesk : {false, true}) {
    SCOPED_TRACE(vesk ? "VESK" : "GNAT");
    const ScratchDir scratch;
    write_file(scratch.path + "/shapes.ada", shapes_source);
    const CliResult result = run_mirelchop({{"-n", vesk ? "vesk" : "gnat", "shapes.ada"}, {}, scratch.path});
    std::string out = "From shapes.ada\n";
    std::set<std::string> names = {"shapes.ada"};
    for (size_t i = 0; i < std::size(units); ++i) {
      const std::string name = vesk ? units[i].vesk : units[i].gnat;
      out += "Writting " + name + "\n";
      names.insert(name);
      EXPECT_EQ(read_file(scratch.path + "/" + name), shapes_source.substr(starts[i], starts[i + 1] - starts[i]))
          << name;
    }
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, out + "Chopped 8 files.\n");
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> listed = list_dir(scratch.path);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), names);
  }
}

// Chops `source` into `out` with -l and checks that the files, read in the
// order listed, give back the source and hold whole lines.
void expect_round_trip(const std::string& source) {
  const ScratchDir scratch;
  write_file(scratch.path + "/corpus.src", source);
  ASSERT_EQ(mkdir((scratch.path + "/out").c_str(), 0777), 0);
  const CliResult result = run_mirelchop({{"-l", "corpus.src", "out"}, {}, scratch.path});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::string joined;
  std::set<std::string> seen;
  size_t start = 0;
  while (start < result.out.size()) {
    const size_t newline = result.out.find('\n', start);
    const std::string path = result.out.substr(start, newline - start);
    start = newline + 1;
    EXPECT_TRUE(seen.insert(path).second) << "two units share " << path;
    const auto content = read_file(scratch.path + "/" + path);
    ASSERT_TRUE(content) << path;
    if (!content->empty() && joined.size() + content->size() < source.size())
      EXPECT_EQ(content->back(), '\n') << path << " does not end with a whole line";
    joined += *content;
  }
  EXPECT_FALSE(seen.empty());
  EXPECT_EQ(joined, source);
  EXPECT_EQ(list_dir(scratch.path + "/out").size(), seen.size());
  EXPECT_EQ(temporary_copies(scratch.path), std::vector<std::string>{});
}

TEST(ChopRunTest, CorpusSourcesComeBackWholeFromTheirUnitFiles) {
  std::vector<std::filesystem::path> sources = {std::filesystem::path(EXAMPLES_DIR) / "inventory.ada"};
  for (const auto& entry : std::filesystem::directory_iterator(std::string(FIXTURE_DIR) + "/grammar"))
    sources.push_back(entry.path());
  for (const auto& path : sources) {
    SCOPED_TRACE(path.string());
    const auto source = read_file(path.string());
    ASSERT_TRUE(source);
    expect_round_trip(*source);
  }
}

TEST(ChopRunTest, GeneratedSourcesComeBackWholeFromTheirUnitFiles) {
  const std::string generator = std::string(BENCH_DIR) + "/generate_corpus.py";
  if (access(generator.c_str(), R_OK) != 0 || std::system("python3 -c '' 2>/dev/null") != 0)
    GTEST_SKIP() << "no corpus generator or no python3";
  for (const int seed : {1, 2, 3}) {
    SCOPED_TRACE(seed);
    const ScratchDir scratch;
    const std::string target = scratch.path + "/generated.ada";
    const std::string command =
        "python3 '" + generator + "' large '" + target + "' --units 150 --seed " + std::to_string(seed);
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto source = read_file(target);
    ASSERT_TRUE(source);
    expect_round_trip(*source);
  }
}

// Mounts a read-only tmpfs on "ro" in a private mount namespace, before the
// program starts; a child that cannot ends with status 125 instead.
void mount_read_only_ro() {
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", "ro", "tmpfs", MS_RDONLY, "size=64k") != 0)
    _exit(125);
}

TEST(ChopRunTest, FaultsEndTheRunWithTheirStatusAndLeaveNoTemporaryFile) {
  const std::string two = "package P is\nend P;\npackage Q is\nend Q;\n";
  std::string big = "package Big is\n";
  while (big.size() < 25000) big += "   --  A comment line that makes the source larger than its limit.\n";
  big += "end Big;\n";
  struct FaultCase {
    const char* what;
    std::vector<std::string> args;
    std::function<void()> setup;     // in the scratch directory, before the run
    std::function<void()> in_child;  // in the child before exec
    int status;
    std::string out;
    std::string err;
    std::vector<std::string> left;                // the scratch directory afterwards
    std::map<std::string, std::string> contents;  // files checked afterwards
  };
  const FaultCase cases[] = {
      // A link at a unit path is replaced, never written through.
      {"link to a full device under -w", {"-w", "two.ada"}, [] { symlink("/dev/full", "q.ads"); }, nullptr, 0,
       "From two.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", {"p.ads", "q.ads", "two.ada"},
       {{"p.ads", "package P is\nend P;\n"}, {"q.ads", "package Q is\nend Q;\n"}}},
      {"file-size limit on the temporary copy", {"big.ada"}, [&] { write_file("big.ada", big); },
       [] {
         signal(SIGXFSZ, SIG_IGN);
         const rlimit limit = {15000, 15000};
         setrlimit(RLIMIT_FSIZE, &limit);
       },
       7, "From big.ada\n", "Error: writing temporary file.\n", {"big.ada", "two.ada"}, {}},
      {"existing unit file without -w", {"two.ada"}, [] { write_file("q.ads", "old\n"); }, nullptr, 5,
       "From two.ada\nWritting p.ads\n", "Error:\"q.ads\" already exist, use -w to overwrite.\n",
       {"p.ads", "q.ads", "two.ada"}, {{"q.ads", "old\n"}, {"p.ads", "package P is\nend P;\n"}}},
      {"source replaced by its own unit under -w", {"-w", "p.ads"}, [&] { write_file("p.ads", two); }, nullptr, 0,
       "From p.ads\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", {"p.ads", "q.ads", "two.ada"},
       {{"p.ads", "package P is\nend P;\n"}, {"q.ads", "package Q is\nend Q;\n"}}},
      {"read-only output directory", {"two.ada", "ro"}, [] { mkdir("ro", 0777); }, mount_read_only_ro, 7,
       "From two.ada\n", "Error : Can't open \"ro/p.ads\" for writting, cannot continue.\n", {"ro", "two.ada"}, {}},
      {"read-only working directory", {"../two.ada"}, [] { mkdir("ro", 0777); },
       [] {
         mount_read_only_ro();
         if (chdir("ro") != 0) _exit(125);
       },
       7, "From ../two.ada\n", "Error: can't open temporary file \"mirelchop-XXXXXX\"\n", {"ro", "two.ada"}, {}},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    const ScratchDir scratch;
    write_file(scratch.path + "/two.ada", two);
    if (c.setup) {
      const std::filesystem::path previous = std::filesystem::current_path();
      std::filesystem::current_path(scratch.path);
      c.setup();
      std::filesystem::current_path(previous);
    }
    const CliResult result = run_mirelchop({c.args, {}, scratch.path, c.in_child});
    if (result.status == 125 && result.out.empty()) GTEST_SKIP() << "this machine does not allow mounting";
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(list_dir(scratch.path), c.left);
    for (const auto& [name, content] : c.contents) EXPECT_EQ(read_file(scratch.path + "/" + name), content) << name;
  }
}

}  // namespace
