// Whole-program runs under faults: full disks and file-size limits, memory
// running out, unusable directories and sources, hostile input, closed
// standard streams. Each row states the message, the status, and every file
// the scratch directory holds afterwards with what it must contain, so that
// a lost unit, a partial file kept, a temporary copy left behind or a
// failure reported as success shows as a difference.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "tests/chop_harness.h"
#include "tests/cli_harness.h"

namespace {

// The source most rows chop: two units of one line pair each.
const std::string two_units = "package P is\nend P;\npackage Q is\nend Q;\n";
const std::string p_text = "package P is\nend P;\n";
const std::string q_text = "package Q is\nend Q;\n";

// What a file must hold afterwards: `text`, or, when `same_as` is set, the
// first `length` bytes of that file of the scratch directory (for sources
// too big to spell).
struct Content {
  std::string text;                   // the bytes, when same_as is null
  const char* same_as = nullptr;      // a file name in the scratch directory
  size_t length = std::string::npos;  // how much of same_as; npos for all of it
};

// A file of the scratch directory and what it must hold afterwards.
struct FileAfter {
  std::string name;  // relative to the scratch directory
  Content content;
};

// One fault and everything the run must leave behind.
struct FaultRow {
  const char* name;  // the test's name
  std::function<void(const std::string& dir)> prepare;  // sources and setting, in the scratch directory
  std::vector<std::string> args;   // the words after the program name
  std::function<void()> in_child;  // before exec: limits, descriptors, user; _exit(125) when not allowed
  std::string out;  // standard output, exactly
  std::string err;  // standard error, exactly; a regular expression when err_is_pattern
  int status;       // the exit status
  std::vector<std::string> left;  // every file afterwards, subdirectories' files as dir/name
  std::vector<FileAfter> files;   // the contents checked
  const char* needs = "";         // what the machine must allow, told when the row is skipped
  // Run in a forked observer before the program, in the scratch directory;
  // false when the machine does not allow it. Mounts made here are seen by
  // the program and by the checks, and vanish with the observer.
  std::function<bool()> enter = {};
  bool err_is_pattern = false;
  // With a margin, RLIMIT_AS allows what the program needs to run, plus
  // this many MiB. AddressSanitizer reserves terabytes of address space, so
  // there the largest single request is capped instead (0: not run there).
  rlim_t memory_margin_mb = 0;
  rlim_t sanitizer_cap_mb = 0;
};

// The bytes of `path` are the first `length` bytes of `other` (all of them
// for npos), read side by side.
bool same_bytes(const std::string& path, const std::string& other, size_t length) {
  std::ifstream a(path, std::ios::binary), b(other, std::ios::binary);
  if (!a || !b) return false;
  std::vector<char> x(1 << 16), y(1 << 16);
  for (;;) {
    const size_t want = std::min(x.size(), length);
    a.read(x.data(), static_cast<std::streamsize>(x.size()));
    b.read(y.data(), static_cast<std::streamsize>(want));
    if (a.gcount() != b.gcount() || !std::equal(x.begin(), x.begin() + a.gcount(), y.begin())) return false;
    if (a.gcount() == 0) return true;
    if (length != std::string::npos) length -= static_cast<size_t>(a.gcount());
  }
}

// Every file below `dir`, as paths relative to it, sorted; a directory shows
// only through its files.
std::vector<std::string> files_below(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (auto it = std::filesystem::recursive_directory_iterator(dir, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
    if (!it->is_directory(ignored)) names.push_back(it->path().lexically_relative(dir).string());
  std::sort(names.begin(), names.end());
  return names;
}

// Standard error without the sanitizers' notes on failed requests.
std::string without_sanitizer_notes(const std::string& text) {
  std::string kept;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (text.compare(start, 2, "==") != 0) kept.append(text, start, end - start);
    start = end;
  }
  return kept;
}

// The outcome as one text: status, both channels, the files, and for each
// checked file whether it holds what it must. Built the same way for what
// is expected, so that a test compares the two whole.
std::string outcome_text(int status, const std::string& out, const std::string& err,
                         const std::vector<std::string>& left, const std::vector<std::string>& checks) {
  std::string text = "status " + std::to_string(status) + "\nout:\n" + out + "err:\n" + err + "files:";
  for (const std::string& name : left) text += " " + name;
  text += "\n";
  for (const std::string& check : checks) text += check + "\n";
  return text;
}

// What the row expects, in the form of outcome_text.
std::string expected_text(const FaultRow& row) {
  std::vector<std::string> checks;
  for (const FileAfter& file : row.files) checks.push_back(file.name + ": as expected");
  return outcome_text(row.status, row.out, row.err, row.left, checks);
}

// How `file` compares with what it must hold, in the form of outcome_text.
std::string check_file(const std::string& dir, const FileAfter& file) {
  const std::string path = dir + "/" + file.name;
  if (access(path.c_str(), F_OK) != 0) return file.name + ": missing";
  const Content& content = file.content;
  const bool same = content.same_as != nullptr ? same_bytes(path, dir + "/" + content.same_as, content.length)
                                               : read_file(path) == content.text;
  if (same) return file.name + ": as expected";
  std::string head = read_file(path).value_or("").substr(0, 200);
  return file.name + ": differs, begins \"" + head + "\"";
}

// Whether the program, with an address-space limit of `mebibytes`, chops a
// one-unit source.
bool starts_within(rlim_t mebibytes) {
  const ScratchDir scratch;
  write_file(scratch.path + "/p.ada", p_text);
  const CliResult result = run_mirelchop({{"p.ada"}, {}, scratch.path, [mebibytes] {
                                            const rlimit limit = {mebibytes << 20, mebibytes << 20};
                                            setrlimit(RLIMIT_AS, &limit);
                                          }});
  return result.status == 0;
}

// The address space, in mebibytes, that the program needs to run at all on
// this machine (its libraries and catalogues), found once by bisection.
// Memory rows give the program this much and a margin (in the plain build
// only: see memory_margin_mb).
[[maybe_unused]] rlim_t address_space_to_run() {
  static const rlim_t found = [] {
    rlim_t low = 1, high = 4096;  // fails at low, runs at high
    if (!starts_within(high)) return rlim_t{0};
    while (high - low > 1) {
      const rlim_t middle = (low + high) / 2;
      (starts_within(middle) ? high : low) = middle;
    }
    return high;
  }();
  return found;
}

// Upper bound on any row's run: a hang ends as SIGALRM (status 142) rather
// than stopping the suite. Far above what any row needs.
constexpr unsigned hang_guard_seconds = 300;

// Runs the program for `row` in `dir` and describes what it did.
std::string observe(const FaultRow& row, const std::string& dir) {
  Environment env;
  rlim_t address_space_mb = 0;
  if (row.memory_margin_mb != 0) {
#if defined(__SANITIZE_ADDRESS__)
    env["ASAN_OPTIONS"] =
        "allocator_may_return_null=1:max_allocation_size_mb=" + std::to_string(row.sanitizer_cap_mb);
#else
    if (address_space_to_run() == 0) return "skip";
    address_space_mb = address_space_to_run() + row.memory_margin_mb;
#endif
  }
  const std::function<void()> in_child = [&row, address_space_mb] {
    alarm(hang_guard_seconds);
    const rlimit limit = {address_space_mb << 20, address_space_mb << 20};
    if (address_space_mb != 0 && setrlimit(RLIMIT_AS, &limit) != 0) _exit(125);
    if (row.in_child) row.in_child();
  };
  const CliResult result = run_mirelchop({row.args, env, dir, in_child});
  if (result.status == 125 && result.out.empty()) return "skip";
  std::string err = without_sanitizer_notes(result.err);
  if (row.err_is_pattern && std::regex_match(err, std::regex(row.err))) err = row.err;
  std::vector<std::string> checks;
  for (const FileAfter& file : row.files) checks.push_back(check_file(dir, file));
  return outcome_text(result.status, result.out, err, files_below(dir), checks);
}

// Writes `path`: `head`, then `count` copies of `byte`, then `tail`, in
// blocks, so that sources of a hundred megabytes cost no more memory than that.
void write_repeated(const std::string& path, const std::string& head, char byte, size_t count,
                    const std::string& tail) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << head;
  const std::string block(1 << 20, byte);
  for (size_t left = count; left > 0;) {
    const size_t n = std::min(left, block.size());
    file.write(block.data(), static_cast<std::streamsize>(n));
    left -= n;
  }
  file << tail;
  if (!file) throw std::runtime_error("cannot write " + path);
}

// Mounts a tmpfs of `size` on `dir` in a private mount namespace; false when
// this machine does not allow it.
bool mount_small_tmpfs(const char* dir, const char* size) {
  return mkdir(dir, 0777) == 0 && unshare(CLONE_NEWNS) == 0 &&
         mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount("tmpfs", dir, "tmpfs", 0, size) == 0;
}

// Becomes the unprivileged user nobody, for whom permission bits count;
// ends with 125 when that is not allowed or the program is then out of reach.
void become_nobody() {
  const uid_t nobody = 65534;
  if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(125);
  if (access(MIRELCHOP_BINARY, X_OK) != 0 || access(KOVAR_TREE, R_OK | X_OK) != 0) _exit(125);
}

// Sets a file-size limit of `bytes`; exceeding it is then a failing write,
// not a signal, whether the caller ignores SIGXFSZ or leaves it to the
// program.
void limit_file_size(rlim_t bytes, bool ignore_signal = true) {
  if (ignore_signal) signal(SIGXFSZ, SIG_IGN);
  const rlimit limit = {bytes, bytes};
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
}

// Fixed pseudo-random bytes: the low byte of each output of the standard
// Mersenne twister, whose sequence the C++ standard fixes.
std::string random_bytes(size_t count, unsigned seed) {
  std::mt19937 engine(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(engine() & 0xFF);
  return bytes;
}

// Makes /dev/full the standard output; ends with 125 where it cannot be written.
void standard_output_to_full() {
  const int fd = open("/dev/full", O_WRONLY);
  if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) _exit(125);
  close(fd);
}

// Prepares nothing but the usual two-unit source.
void two_units_only(const std::string& dir) { write_file(dir + "/two.ada", two_units); }

// What a run that chops two.ada whole prints.
const std::string two_units_chopped = "From two.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n";

// The warning that refuses the log `name`, a file of the run.
std::string log_refused(const std::string& name) {
  return "Warning: the log file \"" + name + "\" is a source or a unit file of this run, no log is written.\n";
}

// The usual two-unit source, and a named pipe at run.log.
void two_units_and_a_pipe_log(const std::string& dir) {
  two_units_only(dir);
  if (mkfifo((dir + "/run.log").c_str(), 0666) != 0) throw std::runtime_error("mkfifo");
}

// A unit Q whose text is `size` bytes of comment lines, after a small unit P.
std::string small_then_large(size_t size) {
  std::string text = p_text + "package Q is\n";
  while (text.size() < size) text += "   --  filler that makes the second unit large\n";
  return text + "end Q;\n";
}

const FaultRow fault_rows[] = {
    // Full disks and file-size limits.
    {"UnitFileOnAFullDisk",
     [](const std::string& dir) { write_file(dir + "/big.ada", small_then_large(200000)); },
     {"big.ada", "full"}, nullptr,
     "From big.ada\nWritting full/p.ads\nWritting full/q.ads\n",
     "Error : can't write \"full/q.ads\", cannot continue.\n", 7,
     {"big.ada", "full/p.ads"}, {{"full/p.ads", {p_text}}},
     "a private mount namespace", [] { return mount_small_tmpfs("full", "size=64k"); }},
    {"TemporaryCopyOnAFullDisk",
     [](const std::string& dir) { write_file(dir + "/big.ada", small_then_large(200000)); },
     {"../big.ada"}, [] { if (chdir("full") != 0) _exit(125); },
     "From ../big.ada\n", "Error: writing temporary file.\n", 7,
     {"big.ada"}, {},
     "a private mount namespace", [] { return mount_small_tmpfs("full", "size=64k"); }},
    {"LogOnAFullDisk",
     [](const std::string& dir) {
       two_units_only(dir);
       if (symlink("/dev/full", (dir + "/run.log").c_str()) != 0) throw std::runtime_error("symlink");
     },
     {"-studio_log", "run.log", "two.ada"}, [] { if (access("/dev/full", W_OK) != 0) _exit(125); },
     "From two.ada\nWritting p.ads\n", "Error : can't write \"run.log\", cannot continue.\n", 7,
     {"p.ads", "run.log", "two.ada"}, {{"p.ads", {p_text}}},
     "a writable /dev/full"},
    // The second line would cross the limit: it is taken back out whole.
    {"LogPastTheFileSizeLimit",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/run.log", std::string(19988, 'x') + "\n");
     },
     {"-studio_log", "run.log", "two.ada"}, [] { limit_file_size(20000); },
     "From two.ada\nWritting p.ads\nWritting q.ads\n", "Error : can't write \"run.log\", cannot continue.\n", 7,
     {"p.ads", "q.ads", "run.log", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}, {"run.log", {std::string(19988, 'x') + "\nADA p.ads\n"}}}},
    {"LogWithinTheFileSizeLimit",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/run.log", "earlier\n");
     },
     {"-studio_log", "run.log", "two.ada"}, [] { limit_file_size(20000); },
     "From two.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", 0,
     {"p.ads", "q.ads", "run.log", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}, {"run.log", {"earlier\nADA p.ads\nADA q.ads\n"}}}},

    {"LogPastTheFileSizeLimitWithTheSignalLeftAlone",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/run.log", std::string(19988, 'x') + "\n");
     },
     {"-studio_log", "run.log", "two.ada"}, [] { limit_file_size(20000, false); },
     "From two.ada\nWritting p.ads\nWritting q.ads\n", "Error : can't write \"run.log\", cannot continue.\n", 7,
     {"p.ads", "q.ads", "run.log", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}, {"run.log", {std::string(19988, 'x') + "\nADA p.ads\n"}}}},
    {"TemporaryCopyPastTheFileSizeLimitWithTheSignalLeftAlone",
     [](const std::string& dir) { write_file(dir + "/big.ada", small_then_large(200000)); },
     {"big.ada"}, [] { limit_file_size(100000, false); }, "From big.ada\n", "Error: writing temporary file.\n", 7,
     {"big.ada"}, {}},

    // What is already at a unit file's path, with -w: a later source, a
    // link, a named pipe.
    {"LaterSourceIsNotReplacedBeforeItIsRead",
     [](const std::string& dir) {
       write_file(dir + "/a.ada", "package B is end B;\n");
       write_file(dir + "/b.ads", "package Z is end Z;\n");
     },
     {"-w", "a.ada", "b.ads"}, nullptr, "From a.ada\n",
     "Error: the unit file \"b.ads\" would replace \"b.ads\", a source still to be chopped; nothing is written "
     "there.\n",
     7, {"a.ada", "b.ads"}, {{"b.ads", {"package Z is end Z;\n"}}}},
    {"EarlierSourceMayBeReplaced",
     [](const std::string& dir) {
       write_file(dir + "/a.ada", "package B is end B;\n");
       write_file(dir + "/b.ads", "package Z is end Z;\n");
     },
     {"-w", "b.ads", "a.ada"}, nullptr, "From b.ads\nWritting z.ads\nFrom a.ada\nWritting b.ads\nChopped 2 files.\n",
     "", 0, {"a.ada", "b.ads", "z.ads"}, {{"b.ads", {"package B is end B;\n"}}, {"z.ads", {"package Z is end Z;\n"}}}},
    {"EarlierSourceHoldingItsOwnUnitIsNotReplaced",
     [](const std::string& dir) {
       write_file(dir + "/p.ads", "package P is X : Integer := 1; end P;\n" + q_text);
       write_file(dir + "/a.ada", "package P is Y : Integer := 2; end P;\n");
     },
     {"-w", "p.ads", "a.ada"}, nullptr, "From p.ads\nWritting p.ads\nWritting q.ads\nFrom a.ada\n",
     "Error: the unit file \"p.ads\" would replace \"p.ads\", the only text of a unit chopped from it; nothing is "
     "written there.\n",
     7, {"a.ada", "p.ads", "q.ads"},
     {{"p.ads", {"package P is X : Integer := 1; end P;\n"}}, {"q.ads", {q_text}},
      {"a.ada", {"package P is Y : Integer := 2; end P;\n"}}}},
    {"HardLinkedLaterSourceIsNotReplaced",
     [](const std::string& dir) {
       write_file(dir + "/a.ada", "package B is end B;\n");
       write_file(dir + "/b.ads", "package Z is end Z;\n");
       std::filesystem::create_hard_link(dir + "/b.ads", dir + "/other.txt");
     },
     {"-w", "a.ada", "b.ads"}, nullptr, "From a.ada\n",
     "Error: the unit file \"b.ads\" would replace \"b.ads\", a source still to be chopped; nothing is written "
     "there.\n",
     7, {"a.ada", "b.ads", "other.txt"}, {{"b.ads", {"package Z is end Z;\n"}}, {"other.txt", {"package Z is end Z;\n"}}}},
    {"HardLinkToAFileOutsideIsReplacedNotWrittenThrough",
     [](const std::string& dir) {
       two_units_only(dir);
       std::filesystem::create_directories(dir + "/out");
       std::filesystem::create_directories(dir + "/outside");
       write_file(dir + "/outside/secret.txt", "secret\n");
       std::filesystem::create_hard_link(dir + "/outside/secret.txt", dir + "/out/p.ads");
     },
     {"-w", "two.ada", "out"}, nullptr,
     "From two.ada\nWritting out/p.ads\nWritting out/q.ads\nChopped 2 files.\n", "", 0,
     {"out/p.ads", "out/q.ads", "outside/secret.txt", "two.ada"},
     {{"out/p.ads", {p_text}}, {"out/q.ads", {q_text}}, {"outside/secret.txt", {"secret\n"}}}},
    {"LinkToAFileOutsideIsReplacedNotFollowed",
     [](const std::string& dir) {
       two_units_only(dir);
       std::filesystem::create_directories(dir + "/out");
       std::filesystem::create_directories(dir + "/outside");
       write_file(dir + "/outside/secret.txt", "secret\n");
       std::filesystem::create_symlink("../outside/secret.txt", dir + "/out/p.ads");
       std::filesystem::create_symlink("../outside/new.txt", dir + "/out/q.ads");
     },
     {"-w", "two.ada", "out"}, nullptr,
     "From two.ada\nWritting out/p.ads\nWritting out/q.ads\nChopped 2 files.\n", "", 0,
     {"out/p.ads", "out/q.ads", "outside/secret.txt", "two.ada"},
     {{"out/p.ads", {p_text}}, {"out/q.ads", {q_text}}, {"outside/secret.txt", {"secret\n"}}}},
    {"NamedPipeAtAUnitPath",
     [](const std::string& dir) {
       two_units_only(dir);
       if (mkfifo((dir + "/q.ads").c_str(), 0666) != 0) throw std::runtime_error("mkfifo");
     },
     {"-w", "two.ada"}, nullptr, "From two.ada\nWritting p.ads\n",
     "Error : Can't open \"q.ads\" for writting, cannot continue.\n", 7, {"p.ads", "q.ads", "two.ada"},
     {{"p.ads", {p_text}}}},

    // The log: never waited for, and never a file the run reads or writes.
    {"LogIsANamedPipeWithoutAReader", two_units_and_a_pipe_log,
     {"-studio_log", "run.log", "two.ada"}, nullptr, two_units_chopped,
     "Warning: can't open log file \"run.log\", no log is written.\n", 0, {"p.ads", "q.ads", "run.log", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},
    // The program itself holds the reading end, as a listening IDE would.
    {"LogIsANamedPipeWithAReader", two_units_and_a_pipe_log,
     {"-studio_log", "run.log", "two.ada"}, [] { if (open("run.log", O_RDONLY | O_NONBLOCK) < 0) _exit(125); },
     two_units_chopped, "", 0, {"p.ads", "q.ads", "run.log", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},
    {"LogIsTheSource", two_units_only, {"-studio_log", "two.ada", "two.ada"}, nullptr,
     two_units_chopped, log_refused("two.ada"), 0,
     {"p.ads", "q.ads", "two.ada"}, {{"two.ada", {two_units}}, {"p.ads", {p_text}}, {"q.ads", {q_text}}}},
    {"LogIsALaterSourceByAnotherPath",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/r.ada", "package R is\nend R;\n");
     },
     {"-studio_log", "./r.ada", "two.ada", "r.ada"}, nullptr,
     "From two.ada\nWritting p.ads\nWritting q.ads\nFrom r.ada\nWritting r.ads\nChopped 3 files.\n",
     log_refused("./r.ada"), 0,
     {"p.ads", "q.ads", "r.ada", "r.ads", "two.ada"}, {{"r.ada", {"package R is\nend R;\n"}}}},
    // Created for the log, then taken back: the unit file finds its path free.
    {"LogIsAUnitFile", two_units_only, {"-studio_log", "q.ads", "two.ada"}, nullptr,
     two_units_chopped, log_refused("q.ads"), 0,
     {"p.ads", "q.ads", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},
    {"LogIsAUnitFileWithOverwrite",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/p.ads", "old\n");
     },
     {"-w", "-studio_log", "p.ads", "two.ada"}, nullptr,
     two_units_chopped, log_refused("p.ads"), 0,
     {"p.ads", "q.ads", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},

    // Standard output that cannot be written: what a caller reads there
    // would be lost.
    {"ListingToAFullStandardOutput", two_units_only, {"-l", "two.ada"}, standard_output_to_full, "",
     "Error: can't write to standard output, its text is incomplete.\n", 7, {"p.ads", "q.ads", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}}, "a writable /dev/full"},
    {"VersionToAFullStandardOutput", two_units_only, {"-v"}, standard_output_to_full, "",
     "Error: can't write to standard output, its text is incomplete.\n", 7, {"two.ada"}, {},
     "a writable /dev/full"},

    // Memory running out.
    {"HugeTokenExhaustsMemory",
     [](const std::string& dir) {
       write_repeated(dir + "/token.ada", "package P is\n   S : constant String := \"", 'a', 50000000, "\";\nend P;\n");
     },
     {"token.ada"}, nullptr, "", "\nFatal Error: cannot allocate 67108866 bytes\n", 9,
     {"token.ada"}, {}, "an address-space limit", {}, false, 48, 48},
    {"ManyUnitsExhaustMemory",
     [](const std::string& dir) {
       const std::string name(1000, 'N');
       std::ofstream file(dir + "/many.ada", std::ios::binary);
       for (int i = 0; i < 40000; ++i)
         file << "package " << name << i << " is end " << name << i << ";\n";
     },
     {"many.ada"}, nullptr, "", "\nFatal Error: cannot allocate [0-9]+ bytes\n", 9,
     {"many.ada"}, {}, "an address-space limit", {}, true, 16, 0},
    // Memory runs out in the chop, quoting the path of a unit file that
    // cannot be created: the unit before it is complete, and neither the
    // temporary copy nor the failed file is left.
    {"LongUnitNameExhaustsMemoryInTheChop",
     [](const std::string& dir) {
       write_repeated(dir + "/huge.ada", p_text + "package ", 'N', 40000000, " is\nend;\n");
     },
     {"huge.ada"}, nullptr, "From huge.ada\nWritting p.ads\n", "\nFatal Error: cannot allocate [0-9]+ bytes\n", 9,
     {"huge.ada", "p.ads"}, {{"p.ads", {p_text}}}, "an address-space limit", {}, true, 300, 100},

    // Directories that cannot take the files.
    {"OutputDirectoryMissing", two_units_only, {"two.ada", "missing"}, nullptr,
     "", "Error: can't stat file 'missing'", 7, {"two.ada"}, {{"two.ada", {two_units}}}},
    // A last word that is not a directory is one more source.
    {"LastWordNotADirectory",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/notes.txt", "not Ada at all\n");
     },
     {"two.ada", "notes.txt"}, nullptr,
     "From two.ada\nWritting p.ads\nWritting q.ads\n",
     "notes.txt:1:1: Syntax error while analysing, can't continue.\n", 7,
     {"notes.txt", "p.ads", "q.ads", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}, {"notes.txt", {"not Ada at all\n"}}}},
    {"OutputDirectoryNotWritable",
     [](const std::string& dir) {
       two_units_only(dir);
       chmod(dir.c_str(), 0777);
       mkdir((dir + "/locked").c_str(), 0555);
     },
     {"two.ada", "locked"}, become_nobody,
     "From two.ada\n", "Error : Can't open \"locked/p.ads\" for writting, cannot continue.\n", 7,
     {"two.ada"}, {}, "an unprivileged user"},
    {"WorkingDirectoryNotWritable",
     [](const std::string& dir) {
       two_units_only(dir);
       chmod(dir.c_str(), 0755);
       mkdir((dir + "/out").c_str(), 0777);
       chmod((dir + "/out").c_str(), 0777);
     },
     {"two.ada", "out"}, become_nobody,
     "From two.ada\n", "Error: can't open temporary file \"mirelchop-XXXXXX\"\n", 7,
     {"two.ada"}, {}, "an unprivileged user"},

    // Sources that cannot be chopped.
    {"SourceIsADirectory",
     [](const std::string& dir) {
       two_units_only(dir);
       mkdir((dir + "/sub.ada").c_str(), 0777);
     },
     {"sub.ada", "two.ada"}, nullptr, "", "Error : can't open file \"sub.ada\"\n", 7, {"two.ada"}, {}},
    {"SourceIsADanglingLink",
     [](const std::string& dir) { symlink("nowhere.ada", (dir + "/dangling.ada").c_str()); },
     {"dangling.ada"}, nullptr, "", "Error : can't open file \"dangling.ada\"\n", 7, {"dangling.ada"}, {}},
    {"SourceUnreadableToItsUser",
     [](const std::string& dir) {
       two_units_only(dir);
       chmod(dir.c_str(), 0755);
       chmod((dir + "/two.ada").c_str(), 0600);
     },
     {"two.ada"}, become_nobody, "", "Error : can't open file \"two.ada\"\n", 7,
     {"two.ada"}, {{"two.ada", {two_units}}}, "an unprivileged user"},
    // Read twice (parse, then copy), a pipe would give the copy nothing.
    {"SourceIsAPipe", nullptr, {"/dev/stdin"},
     [] {
       int ends[2];
       if (pipe(ends) != 0 || write(ends[1], two_units.data(), two_units.size()) < 0) _exit(125);
       close(ends[1]);
       dup2(ends[0], 0);
       close(ends[0]);
     },
     "", "Error : can't open file \"/dev/stdin\"\n", 7, {}, {}},
    // Without a writer, opening it for reading would wait for ever.
    {"SourceIsANamedPipe", [](const std::string& dir) { mkfifo((dir + "/fifo.ada").c_str(), 0666); },
     {"fifo.ada"}, nullptr, "", "Error : can't open file \"fifo.ada\"\n", 7, {"fifo.ada"}, {}},
    {"SourceIsADeviceWithoutEnd", nullptr, {"/dev/zero"}, nullptr,
     "", "Error : can't open file \"/dev/zero\"\n", 7, {}, {}},
    // A regular file whose every read fails: the scanner's own fatal error.
    {"SourceReadFails", nullptr, {"/proc/self/mem"}, nullptr, "", "input in flex scanner failed\n", 2, {}, {}},

    // Hostile and extreme input.
    {"ParseStackOverflow",
     [](const std::string& dir) {
       write_file(dir + "/deep.ada", "package P is\n   X : Integer := " + std::string(100000, '(') + "1" +
                                         std::string(100000, ')') + ";\nend P;\n");
     },
     {"deep.ada"}, nullptr, "", "deep.ada:2:407: Syntax error while analysing, can't continue.\n", 7,
     {"deep.ada"}, {}},
    {"FiftyMegabyteToken",
     [](const std::string& dir) {
       write_repeated(dir + "/token.ada", "package P is\n   S : constant String := \"", 'a', 50000000, "\";\nend P;\n");
     },
     {"token.ada"}, nullptr, "From token.ada\nWritting p.ads\nChopped 1 files.\n", "", 0,
     {"p.ads", "token.ada"}, {{"p.ads", {"", "token.ada"}}}},
    // The first unit ends a hundred million lines down, and is cut there.
    {"HundredMegabytesOfNewlines",
     [](const std::string& dir) { write_repeated(dir + "/lines.ada", "", '\n', 100000000, two_units); },
     {"lines.ada"}, nullptr, "From lines.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", 0,
     {"lines.ada", "p.ads", "q.ads"},
     {{"p.ads", {"", "lines.ada", 100000000 + p_text.size()}}, {"q.ads", {q_text}}}},
    {"OnlyNulBytes", [](const std::string& dir) { write_file(dir + "/nul.ada", std::string(1 << 20, '\0')); },
     {"nul.ada"}, nullptr, "From nul.ada\nChopped 0 files.\n", "", 0, {"nul.ada"}, {}},
    {"NulBytesInsideAUnit",
     [](const std::string& dir) {
       write_file(dir + "/nul.ada", "package P is\n" + std::string(5000, '\0') + "\nend P;\n" + q_text);
     },
     {"nul.ada"}, nullptr, "From nul.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", 0,
     {"nul.ada", "p.ads", "q.ads"},
     {{"p.ads", {"package P is\n" + std::string(5000, '\0') + "\nend P;\n"}}, {"q.ads", {q_text}}}},
    {"RandomBinaryInput", [](const std::string& dir) { write_file(dir + "/random.bin", random_bytes(1 << 16, 8)); },
     {"random.bin"}, nullptr, "", "random.bin:1:2: Syntax error while analysing, can't continue.\n", 7,
     {"random.bin"}, {}},
    // A valid unit after random bytes: the bytes go with the unit, untouched.
    {"RandomBytesInACommentBeforeAUnit",
     [](const std::string& dir) {
       std::string noise = random_bytes(1 << 16, 9);
       // A carriage return would end the comment as a newline does.
       std::replace(noise.begin(), noise.end(), '\n', ' ');
       std::replace(noise.begin(), noise.end(), '\r', ' ');
       write_file(dir + "/noisy.ada", "-- " + noise + "\n" + two_units);
     },
     {"noisy.ada"}, nullptr, "From noisy.ada\nWritting p.ads\nWritting q.ads\nChopped 2 files.\n", "", 0,
     {"noisy.ada", "p.ads", "q.ads"}, {{"q.ads", {q_text}}}},

    // Closed standard streams: whatever the program opens first must not
    // become its standard output or error, or its messages would land in
    // a unit file.
    {"StandardOutputClosed", two_units_only, {"two.ada"}, [] { close(1); }, "", "", 0,
     {"p.ads", "q.ads", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},
    {"StandardErrorClosedOnAnError",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/q.ads", "old\n");
     },
     {"two.ada"}, [] { close(2); }, "From two.ada\nWritting p.ads\n", "", 5,
     {"p.ads", "q.ads", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {"old\n"}}}},
    {"AllThreeStreamsClosedWithALog", two_units_only, {"-studio_log", "run.log", "two.ada"},
     [] {
       close(0);
       close(1);
       close(2);
     },
     "", "", 0, {"p.ads", "q.ads", "run.log", "two.ada"},
     {{"p.ads", {p_text}}, {"q.ads", {q_text}}, {"run.log", {"ADA p.ads\nADA q.ads\n"}}}},
    {"AllThreeStreamsClosedOnASyntaxError",
     [](const std::string& dir) {
       two_units_only(dir);
       write_file(dir + "/broken.ada", "package R is\nend;;\n");
     },
     {"two.ada", "broken.ada"},
     [] {
       close(0);
       close(1);
       close(2);
     },
     "", "", 7, {"broken.ada", "p.ads", "q.ads", "two.ada"}, {{"p.ads", {p_text}}, {"q.ads", {q_text}}}},
};

// Rows print as their names in test output.
void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }

class FaultMatrixTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(FaultMatrixTest, EndsWithItsMessageStatusAndFiles) {
  const FaultRow& row = GetParam();
#if defined(__SANITIZE_ADDRESS__)
  if (row.memory_margin_mb != 0 && row.sanitizer_cap_mb == 0)
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space, so no RLIMIT_AS can exhaust the "
                    "heap, and small requests cannot be capped; the plain build runs this row";
#endif
  const ScratchDir scratch;
  if (row.prepare) row.prepare(scratch.path);
  std::string observed;
  if (row.enter) {
    observed = run_in_child([&] {
      if (chdir(scratch.path.c_str()) != 0 || !row.enter()) return std::string("skip");
      return observe(row, scratch.path);
    });
  } else {
    observed = observe(row, scratch.path);
  }
  if (observed == "skip") GTEST_SKIP() << "this machine does not allow " << row.needs;
  EXPECT_EQ(observed, expected_text(row));
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrixTest, ::testing::ValuesIn(fault_rows),
                         [](const auto& info) { return std::string(info.param.name); });

// The source shrank between the parse and the copy, so the copy ends before
// the line where the parse saw the last unit end. Cut short, that unit's
// file would pass for complete; the chop ends instead, without it. A copy
// that reaches that line, final newline or not, is taken as complete.
TEST_F(ChopDirTest, CopyShorterThanTheParseEndsTheChop) {
  const std::string error = "err:Error: can't read source file \"source.ada\"\nfiles: p.ads source.ada\n";
  struct ShrunkCase {
    const char* what;
    std::string copy;  // what the source holds when it is copied
    std::string described;
  } cases[] = {
      {"lines missing", p_text + "package Q is",
       "status 7\nout:From source.ada\nWritting p.ads\nWritting q.ads\n" + error},
      {"whole, without the final newline", p_text + "package Q is\nend Q;",
       "status -1\nout:From source.ada\nWritting p.ads\nWritting q.ads\nerr:files: p.ads q.ads source.ada\n"},
  };
  for (const ShrunkCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* name : {"p.ads", "q.ads"}) unlink(at(name).c_str());
    write_file(at("source.ada"), c.copy);
    const ChopOutcome outcome = run_chop("source.ada", build_units({{"P", SPEC, 2, 6}, {"Q", SPEC, 4, 6}}));
    EXPECT_EQ(describe(outcome, scratch_->path), c.described);
    EXPECT_EQ(read_file(at("p.ads")), p_text);
  }
}

// The source was written or replaced between its parse (the stamp) and its
// copy: the cuts found in the parsed text would fall elsewhere in the new
// one. The chop ends before any unit file, the source as the user left it,
// no copy behind. Each change shows in the stamp even within one tick of the
// file system's clock: the size, the file, or a time set apart.
TEST_F(ChopDirTest, SourceChangedSinceItsParseIsNotCut) {
  const std::string changed = "package Q is\nend Q;\npackage P is\nend P;\n";  // same size, other cuts
  struct ChangeCase {
    const char* what;
    std::function<void()> change;
    std::string left;  // what the source holds afterwards
  } cases[] = {
      {"rewritten in place, the same size",
       [&] {
         write_file(at("source.ada"), changed);
         const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
         ASSERT_EQ(utimensat(AT_FDCWD, at("source.ada").c_str(), times, 0), 0);
       },
       changed},
      {"grown", [&] { write_file(at("source.ada"), two_units + "--  more\n"); }, two_units + "--  more\n"},
      {"replaced by another file",
       [&] {
         write_file(at("new.ada"), changed);
         ASSERT_EQ(rename(at("new.ada").c_str(), at("source.ada").c_str()), 0);
       },
       changed},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.what);
    write_file(at("source.ada"), two_units);
    SourceStamp parsed = {};
    ASSERT_TRUE(source_stamp_at(at("source.ada").c_str(), parsed));
    c.change();
    const ChopOutcome outcome =
        run_chop("source.ada", build_units({{"P", SPEC, 2, 6}, {"Q", SPEC, 4, 6}}), &parsed);
    EXPECT_EQ(describe(outcome, scratch_->path),
              "status 7\nout:From source.ada\nerr:Error: \"source.ada\" changed while it was being chopped, no unit "
              "file is written from it.\nfiles: source.ada\n");
    EXPECT_EQ(read_file(at("source.ada")), c.left);
  }
}

// Exhaustion at every address-space limit across start-up, in steps of a
// page: below what the program needs to run, each run either never starts
// (the dynamic loader, or a library's own initializer, refuses before the
// program runs) or ends with the allocation message and status 9, leaving
// no file behind; it never aborts in a library.
TEST(StartUpExhaustionTest, EveryLimitGivesTheAllocationMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space; the plain build runs this sweep";
#else
  const ScratchDir scratch;
  write_file(scratch.path + "/p.ada", p_text);
  const std::string unit = scratch.path + "/p.ads";
  // One run under a limit, in a directory that holds the source alone before it.
  const auto run_within = [&](rlim_t kibibytes) {
    unlink(unit.c_str());
    return run_mirelchop({{"p.ada"}, {}, scratch.path, [kibibytes] {
                            const rlimit limit = {kibibytes << 10, kibibytes << 10};
                            setrlimit(RLIMIT_AS, &limit);
                          }});
  };
  rlim_t low = 1024, high = 4u << 20;  // fails at low, runs at high, in KiB
  ASSERT_EQ(run_within(high).status, 0);
  while (high - low > 4) {
    const rlim_t middle = (low + high) / 2;
    (run_within(middle).status == 0 ? high : low) = middle;
  }
  const std::regex allocation_message("\nFatal Error: cannot allocate [0-9]+ bytes\n");
  int exhausted = 0;
  for (rlim_t limit = high > 4096 ? high - 4096 : 0; limit < high; limit += 4) {
    const CliResult result = run_within(limit);
    const std::vector<std::string> left = list_dir(scratch.path);
    SCOPED_TRACE("limit " + std::to_string(limit) + " KiB: status " + std::to_string(result.status) + ", " +
                 result.err.substr(0, 200));
    if (result.status == 9) {
      ++exhausted;
      EXPECT_TRUE(std::regex_match(result.err, allocation_message));
      EXPECT_EQ(left, std::vector<std::string>{"p.ada"});
    } else if (result.status != 127) {  // 127: the dynamic loader could not map or link the libraries
      EXPECT_EQ(result.status, 1);
      EXPECT_NE(result.err.find("libgomp: Out of memory"), std::string::npos)
          << "only a library's own initializer may refuse so";
    }
  }
  EXPECT_GT(exhausted, 0) << "the sweep never reached the program itself";
#endif
}

}  // namespace
