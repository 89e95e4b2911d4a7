// Whole-program rows for the catalogues the program installs: a damaged one
// is refused with a warning and English messages, and a KOVARDIR whose name
// is not UTF-8 is found.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A KOVARDIR made of copies of the built catalogues, and what a run under a
// French locale prints on standard error.
struct InstallRow {
  const char* name;
  const char* directory;  // KOVARDIR below the scratch directory
  bool damaged;           // the French catalogue's first section made longer than the file
  std::string err;        // standard error; <catalogue> stands for the damaged file's path
};

void PrintTo(const InstallRow& row, std::ostream* os) { *os << row.name; }

const InstallRow install_rows[] = {
    {"DamagedCatalogueIsRefusedAndMessagesStayInEnglish", "kovar", true,
     "Warning: the message catalogue \"<catalogue>\" is damaged, it is not used.\n"
     "Error : can't open file \"nothing.ada\"\n"},
    {"SoundCopyIsUsed", "kovar", false, french_open_error},
    {"KovardirNameThatIsNotUtf8", "k\xE9", false, french_open_error},
};

class CatalogueInstall : public ::testing::TestWithParam<InstallRow> {};

TEST_P(CatalogueInstall, RunsWithTheCataloguesItCanTrust) {
  const InstallRow& row = GetParam();
  const ScratchDir scratch;
  const std::string kovar = scratch.path + "/" + row.directory;
  copy_catalogues(kovar);
  const std::string path = kovar + "/lib/locale/orvchoptags_fr.qm";
  if (row.damaged) {
    std::string bytes = read_file(path).value();
    ASSERT_EQ(bytes[16], '\xa7');  // the first section, the language name
    bytes[17] = '\x7f';
    write_file(path, bytes);
  }
  const CliResult result =
      run_mirelchop({{"nothing.ada"}, {{"KOVARDIR", kovar}, {"LANG", "fr_FR.UTF-8"}}, scratch.path});
  std::string err = row.err;
  if (const size_t at = err.find("<catalogue>"); at != std::string::npos) err.replace(at, 11, path);
  EXPECT_EQ(result.err, err);
  EXPECT_EQ(result.status, 7);
}

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueInstall, ::testing::ValuesIn(install_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
