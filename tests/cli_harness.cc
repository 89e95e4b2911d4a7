#include "tests/cli_harness.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

Environment default_environment() {
  return {
      {"KOVARDIR", KOVAR_TREE}, {"MIRELCHOP", std::nullopt}, {"LC_ALL", std::nullopt},
      {"LC_MESSAGES", std::nullopt}, {"LANGUAGE", std::nullopt}, {"LANG", "C"},
  };
}

namespace {

// Reads both pipes to their end without letting either fill up.
void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open_count = 2;
  char buffer[65536];
  while (open_count > 0) {
    if (poll(fds, 2, -1) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
}

}  // namespace

CliResult run_mirelchop(const CliRun& run) {
  Environment env = default_environment();
  for (const auto& [name, value] : run.env) env[name] = value;
  std::vector<std::string> env_strings = {"PATH=/usr/bin:/bin"};
  for (const auto& [name, value] : env)
    if (value) env_strings.push_back(name + "=" + *value);
  std::vector<std::string> words = {MIRELCHOP_BINARY};
  words.insert(words.end(), run.args.begin(), run.args.end());

  std::vector<char*> argv, envp;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  for (auto& e : env_strings) envp.push_back(e.data());
  envp.push_back(nullptr);

  int out_pipe[2], err_pipe[2];
  if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) throw std::runtime_error("pipe");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    close(out_pipe[0]), close(out_pipe[1]), close(err_pipe[0]), close(err_pipe[1]);
    if (!run.workdir.empty() && chdir(run.workdir.c_str()) != 0) _exit(126);
    if (run.in_child) run.in_child();
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  CliResult result;
  drain(out_pipe[0], err_pipe[0], result.out, result.err);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  return result;
}

std::string make_scratch_dir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/mirelchop-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  return pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

void write_file(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::optional<std::string> read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::vector<std::string> list_dir(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* entry = readdir(d)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::pair<std::string, std::string> expect_unit_files(const std::string& dir, const UnitFiles& files) {
  std::string listing;
  std::string joined;
  for (const auto& [name, text] : files) {
    listing += name + "\n";
    const std::optional<std::string> content = read_file(dir + "/" + name);
    EXPECT_TRUE(content) << name;
    if (!content) continue;
    EXPECT_EQ(*content, text) << name;
    joined += *content;
  }
  return {listing, joined};
}
