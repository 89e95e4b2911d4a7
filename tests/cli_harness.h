#ifndef MIRELCHOP_TESTS_CLI_HARNESS_H
#define MIRELCHOP_TESTS_CLI_HARNESS_H

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Environment of a run: a variable mapped to nullopt is unset. The child
// sees only these variables (and PATH), never the caller's.
using Environment = std::map<std::string, std::optional<std::string>>;

// What a run of the built program printed and how it ended.
struct CliResult {
  std::string out;  // standard output, bytes
  std::string err;  // standard error, bytes
  int status;       // exit status, or 128 + signal number
};

// One run of the program: its words, its environment and its directory.
struct CliRun {
  std::vector<std::string> args;         // words after the program name
  Environment env;                       // applied over default_environment()
  std::string workdir;                   // working directory of the child
  std::function<void()> in_child = {};   // runs in the child before exec (limits, ...)
};

// KOVARDIR at the build's catalogue tree, MIRELCHOP unset, the C locale.
Environment default_environment();

// Runs the built mirelchop and collects its output and status.
CliResult run_mirelchop(const CliRun& run);

// A fresh empty directory below the system's temporary directory.
std::string make_scratch_dir();

// A scratch directory removed with everything in it when the object goes.
struct ScratchDir {
  ScratchDir() : path(make_scratch_dir()) {}
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string path;
};

// Writes `content` to `path`, replacing it.
void write_file(const std::string& path, const std::string& content);

// The bytes of `path`; nullopt when it cannot be read.
std::optional<std::string> read_file(const std::string& path);

// The names in `dir`, sorted, without "." and "..".
std::vector<std::string> list_dir(const std::string& dir);

// Unit files a run must have written: name and exact text, in writing order.
using UnitFiles = std::vector<std::pair<std::string, std::string>>;

// Checks that each of `files` is in `dir` with its exact text (a test
// failure for each that is not), and returns what `-l` lists for them and
// their texts joined in order.
std::pair<std::string, std::string> expect_unit_files(const std::string& dir, const UnitFiles& files);

#endif
