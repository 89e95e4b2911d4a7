// Fuzz target: the whole chop of one source in a scratch directory, read as
// Ada 95 and as a later revision, under both naming conventions. An
// accepted source must come out as unit files that hold exactly their share
// of the text, so that together they are the source (each after the first
// opening with the source's byte-order mark, when a later revision reads
// one); when two units share a file name, or a name is too long for the
// file system, the chop must stop there with its status, the files before
// it complete. No temporary copy may be left behind.

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "chop/chopper.h"
#include "driver/ac_mem.h"
#include "driver/exit_trap.h"
#include "driver/naming.h"
#include "driver/run_loop.h"
#include "driver/run_settings.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/parse_source.h"
#include "fuzz/unit_list_check.h"
#include "tests/unit_text_model.h"

namespace {

// The source's name in the scratch directory; it has no extension, so no
// unit file can ever be named like it.
constexpr char source_name[] = "source";

// One naming convention and the output directory its unit files go to.
struct Convention {
  NamingFunction naming;
  const char* directory;
};

constexpr Convention conventions[] = {{gnat_file_name, "gnat"}, {vesk_file_name, "vesk"}};

// The scratch directory, absolute, removed with its files when the run ends.
std::string scratch_dir;

// Makes the scratch directory the working one for its lifetime, where the
// chopper puts its temporary copy, and then goes back: libFuzzer reads the
// inputs named on its command line relative to the directory it started in.
class InScratchDir {
 public:
  InScratchDir() : previous_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    fuzz_check(previous_ >= 0 && chdir(scratch_dir.c_str()) == 0, "cannot enter the scratch directory");
  }
  ~InScratchDir() {
    fuzz_check(fchdir(previous_) == 0, "cannot leave the scratch directory");
    close(previous_);
  }
  InScratchDir(const InScratchDir&) = delete;
  InScratchDir& operator=(const InScratchDir&) = delete;

 private:
  int previous_;
};

// The names in `dir`, without "." and "..".
std::set<std::string> names_in(const char* dir) {
  std::set<std::string> names;
  DIR* stream = opendir(dir);
  fuzz_check(stream != nullptr, "cannot list a scratch directory");
  while (const dirent* entry = readdir(stream))
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) names.insert(entry->d_name);
  closedir(stream);
  return names;
}

// The bytes of the file at `path`.
std::string file_bytes(const std::string& path) {
  FILE* stream = std::fopen(path.c_str(), "rb");
  fuzz_check(stream != nullptr, "cannot read a unit file");
  std::string bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0) bytes.append(buffer, n);
  std::fclose(stream);
  return bytes;
}

// The text each unit's file must hold, by the unit list's end positions.
std::vector<std::string_view> unit_texts(std::string_view source) {
  std::vector<UnitEnd> ends;
  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next)
    ends.push_back({unit->end_line, unit->end_column});
  return modelled_unit_texts(source, ends);
}

// The file names the convention gives the units, in unit order.
std::vector<std::string> unit_file_names(NamingFunction naming) {
  std::vector<std::string> names;
  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next) {
    char* name = naming(unit);
    fuzz_check(std::strchr(name, '/') == nullptr && name[0] != '.', "unit file name leaves its directory");
    names.emplace_back(name);
    ac_free(name);
  }
  return names;
}

// The UTF-8 byte-order mark: when a source read as a later revision opens
// with it, every unit file opens with it, and the files make up the source
// once the marks of all but the first are taken away.
constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// Chops the parsed source under `convention` and checks the outcome and
// the files against what the unit list calls for; leaves the directory empty.
void check_chop(std::string_view source, const Convention& convention) {
  naming_convention = convention.naming;
  output_directory = convention.directory;
  const std::vector<std::string_view> texts = unit_texts(source);
  const std::vector<std::string> names = unit_file_names(convention.naming);

  // Where the chop must stop: the first name too long to create, or the
  // first that repeats an earlier one (an existing file, not to be replaced).
  std::size_t written = names.size();
  int expected_status = -1;
  std::set<std::string> seen;
  for (std::size_t i = 0; i < names.size() && expected_status < 0; ++i) {
    if (names[i].size() > NAME_MAX)
      expected_status = 7;
    else if (!seen.insert(names[i]).second)
      expected_status = 5;
    if (expected_status >= 0) written = i;
  }

  int status = -1;
  int count = -1;
  try {
    SourceStamp stamp = {};
    source_stamp_at(source_name, stamp);
    count = chop_file(source_name, stamp, units_first());
  } catch (const ProcessExit& ended) {
    status = ended.status;
  }
  fuzz_check(status == expected_status, "chop ended otherwise than its unit names call for");
  fuzz_check(status >= 0 || count == static_cast<int>(names.size()), "chop counted other than its units");
  fuzz_check(names_in(".") == std::set<std::string>({source_name, "gnat", "vesk"}), "chop left a stray file");
  fuzz_check(names_in(convention.directory) == std::set<std::string>(names.begin(), names.begin() + written),
             "unit files differ from the units written");

  const std::string_view mark = ada_revision != ADA_95 && source.starts_with(byte_order_mark) ? byte_order_mark : "";
  std::string joined;
  for (std::size_t i = 0; i < written; ++i) {
    const std::string path = std::string(convention.directory) + "/" + names[i];
    const std::string bytes = file_bytes(path);
    const std::string_view added = i == 0 ? "" : mark;
    fuzz_check(bytes.starts_with(added) && std::string_view(bytes).substr(added.size()) == texts[i],
               "unit file holds other text than its unit's");
    joined += bytes.substr(added.size());
    unlink(path.c_str());
  }
  fuzz_check(written < names.size() || names.empty() || joined == source, "unit files do not make up the source");
}

// Removes the scratch directory; the unit files are already gone.
void remove_scratch_dir() {
  unlink((scratch_dir + "/" + source_name).c_str());
  for (const Convention& convention : conventions) rmdir((scratch_dir + "/" + convention.directory).c_str());
  rmdir(scratch_dir.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every end of the process is an outcome of its input, for the whole run.
  static const ExitTrap whole_run;
  const char* tmp = std::getenv("TMPDIR");
  scratch_dir = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/mirelchop-fuzz-XXXXXX";
  fuzz_check(mkdtemp(scratch_dir.data()) != nullptr, "cannot create the scratch directory");
  std::atexit(remove_scratch_dir);
  for (const Convention& convention : conventions)
    fuzz_check(mkdir((scratch_dir + "/" + convention.directory).c_str(), 0777) == 0,
               "cannot create an output directory");
  current_source_name = source_name;
  list_only = false;
  no_overwrite = true;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const InScratchDir in_scratch;
  FILE* out = std::fopen(source_name, "wb");
  fuzz_check(out != nullptr && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
             "cannot write the source");

  for (const AdaRevision revision : {ADA_95, later_revision(size)}) {
    FILE* stream = std::fopen(source_name, "r");
    fuzz_check(stream != nullptr, "cannot open the source");
    const bool accepted = parse_source(stream, revision);
    // As the run loop does, so that names beyond ASCII fold as in a run.
    if (accepted) settle_name_folding(fileno(stream), units_first());
    std::fclose(stream);
    if (!accepted) continue;
    check_unit_list(source, source_name, revision);
    for (const Convention& convention : conventions) check_chop(source, convention);
    units_free_all();
  }
  return 0;
}
