// Runs that meet: two runs with -w on one source that holds its own unit,
// started together as a parallel make starts two targets of one recipe, and
// a hard link raced in at a unit file's path while the run writes there.
// Each is repeated a bounded number of rounds, with the second party's
// start moved a little each round; nothing depends on the clock.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli_harness.h"

namespace {

// A unit of the self-replacing source: its file name and its exact text.
struct UnitText {
  std::string file;
  std::string text;
};

// The units of a source named src.ads whose first unit is Src itself, then
// `count` packages made long enough that a chop of them takes a while.
std::vector<UnitText> self_replacing_units(int count) {
  std::vector<UnitText> units = {{"src.ads", "package Src is\nend Src;\n"}};
  const std::string filler = "   --  " + std::string(600, 'f') + "\n";
  for (int i = 0; i < count; ++i) {
    const std::string name = "P" + std::to_string(i);
    units.push_back({"p" + std::to_string(i) + ".ads", "package " + name + " is\n" + filler + "end " + name + ";\n"});
  }
  return units;
}

// The temporary copies that `err` says were kept, by name.
std::vector<std::string> kept_copies(const std::string& err) {
  static const std::regex kept("is kept in \"(mirelchop-[^\"]+)\"");
  std::vector<std::string> names;
  for (std::sregex_iterator it(err.begin(), err.end(), kept), end; it != end; ++it) names.push_back((*it)[1]);
  return names;
}

// Every round, two `mirelchop -w src.ads` in one directory, the second
// started up to a few milliseconds after the first. Whatever each ends
// with, every unit's text survives: in its unit file, or in a copy that a
// run names, which must then hold the whole original.
TEST(ConcurrentRunsTest, TwoRunsOnASelfReplacingSourceLoseNoUnit) {
  const std::vector<UnitText> units = self_replacing_units(400);
  std::string original;
  for (const UnitText& unit : units) original += unit.text;
  constexpr int rounds = 20;
  for (int round = 0; round < rounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const ScratchDir scratch;
    write_file(scratch.path + "/src.ads", original);
    const useconds_t delay = static_cast<useconds_t>(round % 4) * 1000;
    CliResult first, second;
    std::thread other([&] { first = run_mirelchop({{"-w", "src.ads"}, {}, scratch.path}); });
    second = run_mirelchop({{"-w", "src.ads"}, {}, scratch.path, [delay] { usleep(delay); }});
    other.join();
    bool original_kept = false;
    for (const CliResult* run : {&first, &second}) {
      EXPECT_TRUE(run->status == 0 || !kept_copies(run->err).empty()) << run->status << ": " << run->err;
      for (const std::string& copy : kept_copies(run->err)) {
        EXPECT_EQ(read_file(scratch.path + "/" + copy), original) << copy << " is not the original";
        original_kept = true;
      }
    }
    if (original_kept) continue;
    for (const UnitText& unit : units) EXPECT_EQ(read_file(scratch.path + "/" + unit.file), unit.text) << unit.file;
    EXPECT_EQ(list_dir(scratch.path).size(), units.size()) << "a copy or a stray file is left";
  }
}

// A file outside the output directory is linked at a unit file's path and
// unlinked again, over and over, while runs with -w write that unit file:
// whenever the link is there as the file is opened, the run must find it on
// the descriptor and never write through it. The file outside keeps its
// text after every run.
TEST(ConcurrentRunsTest, HardLinkRacedInAtAUnitPathIsNeverWrittenThrough) {
  const ScratchDir scratch;
  ASSERT_EQ(mkdir((scratch.path + "/out").c_str(), 0777), 0);
  const std::string outside = scratch.path + "/outside.txt";
  const std::string target = scratch.path + "/out/inventory.ads";
  write_file(outside, "not a unit\n");
  write_file(scratch.path + "/inventory.ada", "package Inventory is\nend Inventory;\n");
  std::atomic<bool> done{false};
  std::thread swapper([&] {
    while (!done.load()) {
      (void)!link(outside.c_str(), target.c_str());
      (void)!unlink(target.c_str());
    }
  });
  constexpr int runs = 60;
  for (int run = 0; run < runs; ++run) {
    const CliResult result = run_mirelchop({{"-w", "inventory.ada", "out"}, {}, scratch.path});
    EXPECT_EQ(read_file(outside), "not a unit\n") << "run " << run << " wrote through the link: " << result.err;
  }
  done.store(true);
  swapper.join();
}

}  // namespace
