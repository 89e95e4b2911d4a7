// The temporary copy of a source: exact blocks, exclusive names in the
// working directory, removal, and failures that leave nothing behind.
#include "chop/source_copy.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "tests/chop_harness.h"
#include "tests/stream_capture.h"

namespace {

class SourceCopyTest : public ChopDirTest {};

// The stamp of `path` as it is now, as the run loop takes it before the parse.
SourceStamp stamp_of(const char* path) {
  SourceStamp stamp = {};
  EXPECT_TRUE(source_stamp_at(path, stamp));
  return stamp;
}

TEST_F(SourceCopyTest, CopiesEveryByteInBlocksAroundTheBlockSize) {
  std::mt19937 random(7);
  for (const size_t size : {size_t{0}, size_t{1}, copy_block_size - 1, copy_block_size, copy_block_size + 1,
                            size_t{25000}, size_t{123457}}) {
    SCOPED_TRACE(size);
    std::string source(size, '\0');
    for (char& byte : source) byte = static_cast<char>(random());
    write_file("source.ada", source);
    TemporaryCopy copy = {};
    copy_source_to_temp("source.ada", stamp_of("source.ada"), copy);
    const std::string name = copy.name;
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_EQ(temporary_copies("."), std::vector<std::string>{name});
    EXPECT_EQ(read_file(name), source);
    struct stat status;
    ASSERT_EQ(stat("source.ada", &status), 0);
    EXPECT_EQ(copy.source_device, status.st_dev);
    EXPECT_EQ(copy.source_inode, status.st_ino);
    EXPECT_TRUE(remove_temporary_copy(copy));
    EXPECT_EQ(list_dir("."), std::vector<std::string>{"source.ada"});
  }
}

TEST_F(SourceCopyTest, EachCopyGetsAFreshName) {
  write_file("source.ada", "package A is end A;\n");
  TemporaryCopy first = {}, second = {};
  copy_source_to_temp("source.ada", stamp_of("source.ada"), first);
  copy_source_to_temp("source.ada", stamp_of("source.ada"), second);
  EXPECT_STRNE(first.name, second.name);
  EXPECT_EQ(read_file(first.name), "package A is end A;\n");
  EXPECT_EQ(read_file(second.name), "package A is end A;\n");
  EXPECT_TRUE(remove_temporary_copy(first));
  EXPECT_TRUE(remove_temporary_copy(second));
}

TEST_F(SourceCopyTest, RemovalThatFailsIsReportedAndReturns) {
  write_file("source.ada", "x\n");
  TemporaryCopy copy = {};
  copy_source_to_temp("source.ada", stamp_of("source.ada"), copy);
  ASSERT_TRUE(remove_temporary_copy(copy));
  std::string err;
  bool removed = true;
  {
    StreamCapture capture(stderr);
    removed = remove_temporary_copy(copy);
    err = capture.text();
  }
  EXPECT_FALSE(removed);
  EXPECT_EQ(err, "Error: can't remove temporary file.\n");
}

TEST_F(SourceCopyTest, SourceThatCannotBeOpenedOrReadLeavesNoCopy) {
  ASSERT_EQ(mkdir("directory.ada", 0777), 0);
  ASSERT_EQ(symlink("missing.ada", "dangling.ada"), 0);
  struct ReadCase {
    const char* word;
    std::string err;
  } cases[] = {
      {"missing.ada", "Error: can't open source file \"missing.ada\"\n"},
      {"dangling.ada", "Error: can't open source file \"dangling.ada\"\n"},
      // Both open but fail on the first read, which must not pass for an empty source.
      {"directory.ada", "Error: can't read source file \"directory.ada\"\n"},
      {"/proc/self/mem", "Error: can't read source file \"/proc/self/mem\"\n"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.word);
    const ChopOutcome outcome = run_chop(c.word, build_units({{"A", SPEC, 1, 1}}));
    EXPECT_EQ(outcome.status, 7);
    EXPECT_EQ(outcome.out, std::string("From ") + c.word + "\n");
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(list_dir("."), (std::vector<std::string>{"dangling.ada", "directory.ada"}));
  }
}

TEST_F(SourceCopyTest, FileSizeLimitOnTheCopyEndsTheRunWithoutLeavingIt) {
  write_file("source.ada", std::string(24999, 'x') + "\n");
  // A limit inside the second block gives a short write then a failing one;
  // a limit on the block boundary gives a failing write at once.
  for (const rlim_t limit : {rlim_t{15000}, rlim_t{copy_block_size}}) {
    SCOPED_TRACE(limit);
    const std::string report = run_in_child([&] {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit size_limit = {limit, limit};
      if (setrlimit(RLIMIT_FSIZE, &size_limit) != 0) return std::string("setrlimit failed");
      return describe(run_chop("source.ada", build_units({{"A", SPEC, 1, 1}})), ".");
    });
    EXPECT_EQ(report, "status 7\nout:From source.ada\nerr:Error: writing temporary file.\nfiles: source.ada\n");
  }
}

}  // namespace
