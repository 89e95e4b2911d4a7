// Runs ended by a signal in the middle of a chop: a reader of the messages
// that went away (SIGPIPE) and a termination request (SIGTERM). The run must
// end by that signal, with every unit file it leaves complete, the one it
// was writing removed and no temporary copy left, unless the copy holds the
// only full text of the source, which is then kept and named.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "tests/cli_harness.h"

namespace {

// Enough units that their messages overflow the buffer of standard output
// and then the capacity of a pipe (64 KB) long before the chop ends.
constexpr int unit_count = 6000;

std::string unit_name(int i) { return "u_" + std::to_string(10000 + i); }

// The text of unit `i`: one package of two lines.
std::string unit_text(int i) { return "package " + unit_name(i) + " is\nend " + unit_name(i) + ";\n"; }

// A source of the first `count` units.
std::string source_of(int count) {
  std::string source;
  for (int i = 0; i < count; ++i) source += unit_text(i);
  return source;
}

// Standard output becomes a pipe whose reader has gone: the first time the
// program writes out its messages, SIGPIPE ends it.
void stdout_to_closed_pipe() {
  int ends[2];
  if (pipe(ends) != 0 || dup2(ends[1], STDOUT_FILENO) < 0) _exit(125);
  close(ends[0]);
  close(ends[1]);
}

// Standard output becomes a pipe that a helper process never reads. Once
// the pipe is full the program is blocked in the middle of its chop, and
// the helper sends it SIGTERM.
void terminate_when_blocked() {
  int ends[2];
  if (pipe(ends) != 0 || dup2(ends[1], STDOUT_FILENO) < 0) _exit(125);
  close(ends[1]);
  const pid_t program = getpid();
  if (fork() != 0) {
    close(ends[0]);
    return;
  }
  // The helper keeps only the reading end, so that the harness sees the
  // program's standard error end with the program.
  close(STDOUT_FILENO);
  close(STDERR_FILENO);
  const int capacity = fcntl(ends[0], F_GETPIPE_SZ);
  for (int waited_ms = 0; waited_ms < 60000; ++waited_ms) {
    int queued = 0;
    pollfd hangup = {ends[0], 0, 0};
    if (poll(&hangup, 1, 1) > 0 && (hangup.revents & POLLHUP)) _exit(0);  // it ended on its own
    if (ioctl(ends[0], FIONREAD, &queued) == 0 && queued >= capacity) {
      kill(program, SIGTERM);
      _exit(0);
    }
  }
  _exit(0);
}

// One way a signal ends the run.
struct InterruptRow {
  const char* name;
  std::string source;                  // the source's file name in the scratch directory
  std::vector<std::string> args;       // the words after the program name
  std::function<void()> in_child;      // sets up the signal
  int status;                          // 128 + the signal
  std::string err_pattern;             // standard error, as a regular expression
  bool copy_kept;                      // the temporary copy holds the original text
  std::string unit_dir;                // where the unit files go, relative to the scratch directory
};

void PrintTo(const InterruptRow& row, std::ostream* os) { *os << row.name; }

const InterruptRow interrupt_rows[] = {
    {"ReaderOfTheMessagesGone", "many.ada", {"many.ada", "out"}, stdout_to_closed_pipe, 128 + SIGPIPE, "", false,
     "out/"},
    {"TerminationRequested", "many.ada", {"many.ada", "out"}, terminate_when_blocked, 128 + SIGTERM, "", false,
     "out/"},
    // The first unit file is the source itself: from then on the copy is
    // the only full text of the source.
    {"SourceAlreadyReplaced", "u_10000.ads", {"-w", "u_10000.ads"}, stdout_to_closed_pipe, 128 + SIGPIPE,
     "Error: the original text of \"u_10000\\.ads\" is kept in \"mirelchop-[A-Za-z0-9]{6}\"\\.\n", true, ""},
};

class InterruptTest : public ::testing::TestWithParam<InterruptRow> {};

TEST_P(InterruptTest, LeavesCompleteUnitFilesAndNoTemporaryCopy) {
  const InterruptRow& row = GetParam();
  const ScratchDir dir;
  const std::string source = source_of(unit_count);
  write_file(dir.path + "/" + row.source, source);
  if (!row.unit_dir.empty()) ASSERT_EQ(mkdir((dir.path + "/" + row.unit_dir).c_str(), 0777), 0);

  const CliResult result = run_mirelchop({row.args, {}, dir.path, row.in_child});
  if (result.status == 125) GTEST_SKIP() << "the signal could not be set up here";
  EXPECT_EQ(result.status, row.status);
  EXPECT_TRUE(std::regex_match(result.err, std::regex(row.err_pattern))) << result.err;

  // The unit files left are the first ones of the source, each complete.
  std::vector<std::string> copies;
  int units_left = 0;
  for (const std::string& name : list_dir(dir.path + "/" + row.unit_dir)) {
    if (name.rfind("mirelchop-", 0) == 0) {
      copies.push_back(name);
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ads") == 0) {
      ++units_left;
    }
  }
  ASSERT_GT(units_left, 1) << "the signal came before the chop";
  ASSERT_LT(units_left, unit_count) << "the signal came after the chop";
  for (int i = 0; i < units_left; ++i)
    EXPECT_EQ(read_file(dir.path + "/" + row.unit_dir + unit_name(i) + ".ads"), unit_text(i)) << unit_name(i);

  if (row.copy_kept) {
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(result.err.find(copies[0]), std::string::npos);
    EXPECT_EQ(read_file(dir.path + "/" + copies[0]), source);
  } else {
    EXPECT_TRUE(copies.empty()) << copies[0];
    EXPECT_EQ(read_file(dir.path + "/" + row.source), source);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, InterruptTest, ::testing::ValuesIn(interrupt_rows),
                         [](const auto& info) { return std::string(info.param.name); });

// A signal the caller ignores stays ignored: with SIGPIPE ignored, the
// messages are lost but the chop goes on to its end, and the run then says
// that its standard output is incomplete. Their buffer overflows a few
// times over.
TEST(InterruptIgnoredTest, IgnoredSignalLetsTheChopFinish) {
  const ScratchDir dir;
  const int count = 1000;
  write_file(dir.path + "/many.ada", source_of(count));
  const CliResult result = run_mirelchop({{"many.ada"}, {}, dir.path, [] {
                                            signal(SIGPIPE, SIG_IGN);
                                            stdout_to_closed_pipe();
                                          }});
  EXPECT_EQ(result.status, 7);
  EXPECT_EQ(result.err, "Error: can't write to standard output, its text is incomplete.\n");
  EXPECT_EQ(list_dir(dir.path).size(), static_cast<size_t>(count) + 1);
  EXPECT_EQ(read_file(dir.path + "/" + unit_name(count - 1) + ".ads"), unit_text(count - 1));
}

}  // namespace
