#include "tests/chop_harness.h"

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <stdexcept>

#include "chop/chopper.h"
#include "driver/exit_trap.h"
#include "driver/naming.h"
#include "driver/run_settings.h"
#include "tests/stream_capture.h"

const Unit* build_units(const std::vector<UnitSpec>& specs) {
  units_free_all();
  for (const UnitSpec& spec : specs) {
    Unit* unit = unit_add(spec.full_name, spec.kind, 0, nullptr);
    unit_set_end(unit, {static_cast<int32_t>(spec.end_line), static_cast<int32_t>(spec.end_column)});
  }
  return units_first();
}

ChopOutcome run_chop(const char* source_word, const Unit* first_unit, const SourceStamp* parsed) {
  ChopOutcome outcome = {-1, 0, "", ""};
  StreamCapture out(stdout);
  StreamCapture err(stderr);
  {
    ExitTrap trap;
    try {
      // As the run loop stamps it before the parse; a missing source is the copy's to report.
      SourceStamp stamp = {};
      if (parsed != nullptr)
        stamp = *parsed;
      else
        source_stamp_at(source_word, stamp);
      outcome.count = chop_file(source_word, stamp, first_unit);
    } catch (const ProcessExit& exit) {
      outcome.status = exit.status;
    }
  }
  outcome.out = out.text();
  outcome.err = err.text();
  return outcome;
}

std::string run_in_child(const std::function<std::string()>& body) {
  int channel[2];
  if (pipe(channel) != 0) throw std::runtime_error("pipe");
  // Nothing buffered before the fork may be written twice.
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    close(channel[0]);
    std::string text;
    try {
      text = body();
    } catch (...) {
      text = "child: uncaught exception";
    }
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = write(channel[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = read(channel[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
  close(channel[0]);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  if (!WIFEXITED(wait_status) || WEXITSTATUS(wait_status) != 0) return "child: abnormal end";
  return text;
}

std::string describe(const ChopOutcome& outcome, const std::string& dir) {
  std::string text = "status " + std::to_string(outcome.status) + "\nout:" + outcome.out + "err:" + outcome.err + "files:";
  for (const std::string& name : list_dir(dir)) text += " " + (name.rfind("mirelchop-", 0) == 0 ? "<temporary>" : name);
  return text + "\n";
}

std::vector<std::string> temporary_copies(const std::string& dir) {
  std::vector<std::string> copies;
  for (const std::string& name : list_dir(dir))
    if (name.rfind("mirelchop-", 0) == 0) copies.push_back(name);
  return copies;
}

void ChopDirTest::SetUp() {
  char cwd[PATH_MAX];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  previous_dir_ = cwd;
  scratch_ = std::make_unique<ScratchDir>();
  ASSERT_EQ(chdir(scratch_->path.c_str()), 0);
  naming_convention = gnat_file_name;
  list_only = false;
  no_overwrite = true;
  output_directory = nullptr;
  studio_log = nullptr;
  current_source_name = "source.ada";
  units_free_all();
}

void ChopDirTest::TearDown() {
  units_free_all();
  studio_log = nullptr;
  output_directory = nullptr;
  ASSERT_EQ(chdir(previous_dir_.c_str()), 0);
  scratch_.reset();
}
