// Whole-program rows for the catalogues the program installs: a damaged one
// is refused with a warning and English messages, and a KOVARDIR whose name
// is not UTF-8 is found.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include <ostream>
#include <string>

#include "tests/cli_harness.h"

namespace {

const std::string built_locale = std::string(KOVAR_TREE) + "/lib/locale/";

// Makes `kovar`/lib/locale with copies of the built catalogues.
void copy_catalogues(const std::string& kovar) {
  ASSERT_EQ(mkdir(kovar.c_str(), 0777), 0);
  ASSERT_EQ(mkdir((kovar + "/lib").c_str(), 0777), 0);
  ASSERT_EQ(mkdir((kovar + "/lib/locale").c_str(), 0777), 0);
  for (const char* name : {"orvchoptags_fr.qm", "plovident_fr.qm"})
    write_file(kovar + "/lib/locale/" + name, read_file(built_locale + name).value());
}

const std::string french_open_error = "Erreur : impossible d'ouvrir le fichier \"nothing.ada\"\n";

// Makes the French catalogue's first section longer than the file.
void lengthen_first_section(const std::string& path) {
  std::string bytes = read_file(path).value();
  ASSERT_EQ(bytes[16], '\xa7');  // the first section, the language name
  bytes[17] = '\x7f';
  write_file(path, bytes);
}

// Makes the French catalogue a sparse file of `size` bytes, all but its
// first ones holes: read whole, it would take that much memory.
void make_sparse(const std::string& path, off_t size) {
  if (truncate(path.c_str(), size) != 0) GTEST_SKIP() << "this file system holds no sparse file of " << size;
}

// A KOVARDIR made of copies of the built catalogues, one of them perhaps
// spoilt, and what a run under a French locale does.
struct InstallRow {
  const char* name;
  const char* directory;  // KOVARDIR below the scratch directory
  std::function<void(const std::string& path)> spoil;  // applied to the French catalogue, when set
  const char* source;     // the source word; p.ada holds one unit
  std::string out;        // standard output
  std::string err;        // standard error; <catalogue> stands for the spoilt file's path
  int status;
};

void PrintTo(const InstallRow& row, std::ostream* os) { *os << row.name; }

const std::string damaged_warning = "Warning: the message catalogue \"<catalogue>\" is damaged, it is not used.\n";
const std::string english_chop = "From p.ada\nWritting p.ads\nChopped 1 files.\n";

const InstallRow install_rows[] = {
    {"DamagedCatalogueIsRefusedAndMessagesStayInEnglish", "kovar", lengthen_first_section, "nothing.ada", "",
     damaged_warning + "Error : can't open file \"nothing.ada\"\n", 7},
    {"SoundCopyIsUsed", "kovar", nullptr, "nothing.ada", "", french_open_error, 7},
    {"KovardirNameThatIsNotUtf8", "k\xE9", nullptr, "nothing.ada", "", french_open_error, 7},
    // Judged by its size, never read: neither the time nor the memory of
    // reading it whole is spent, and the run chops.
    {"SparseCatalogueOfThreeGigabytes", "kovar", [](const std::string& path) { make_sparse(path, off_t{3} << 30); },
     "p.ada", english_chop, damaged_warning, 0},
    {"SparseCatalogueOfATerabyte", "kovar", [](const std::string& path) { make_sparse(path, off_t{1} << 40); },
     "p.ada", english_chop, damaged_warning, 0},
};

class CatalogueInstall : public ::testing::TestWithParam<InstallRow> {};

TEST_P(CatalogueInstall, RunsWithTheCataloguesItCanTrust) {
  const InstallRow& row = GetParam();
  const ScratchDir scratch;
  const std::string kovar = scratch.path + "/" + row.directory;
  copy_catalogues(kovar);
  write_file(scratch.path + "/p.ada", "package P is\nend P;\n");
  const std::string path = kovar + "/lib/locale/orvchoptags_fr.qm";
  if (row.spoil) row.spoil(path);
  if (::testing::Test::IsSkipped() || ::testing::Test::HasFatalFailure()) return;
  const CliResult result =
      run_mirelchop({{row.source}, {{"KOVARDIR", kovar}, {"LANG", "fr_FR.UTF-8"}}, scratch.path});
  std::string err = row.err;
  if (const size_t at = err.find("<catalogue>"); at != std::string::npos) err.replace(at, 11, path);
  EXPECT_EQ(result.out, row.out);
  EXPECT_EQ(result.err, err);
  EXPECT_EQ(result.status, row.status);
}
INSTANTIATE_TEST_SUITE_P(Rows, CatalogueInstall, ::testing::ValuesIn(install_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
