// Whole-program rows for the catalogues the program installs: a damaged one
// is refused with a warning and English messages, and a KOVARDIR whose name
// is not UTF-8 is found.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(CatalogueInstall, DamagedCatalogueIsRefusedAndMessagesStayInEnglish) {
  const ScratchDir scratch;
  const std::string kovar = scratch.path + "/kovar";
  copy_catalogues(kovar);
  const std::string path = kovar + "/lib/locale/orvchoptags_fr.qm";
  std::string bytes = read_file(path).value();
  // The first section, the language name, made longer than the file.
  ASSERT_EQ(bytes[16], '\xa7');
  bytes[17] = '\x7f';
  write_file(path, bytes);
  const CliResult result =
      run_mirelchop({{"nothing.ada"}, {{"KOVARDIR", kovar}, {"LANG", "fr_FR.UTF-8"}}, scratch.path});
  EXPECT_EQ(result.err, "Warning: the message catalogue \"" + path + "\" is damaged, it is not used.\n" +
                            "Error : can't open file \"nothing.ada\"\n");
  EXPECT_EQ(result.status, 7);
}

TEST(CatalogueInstall, SoundCopyIsUsed) {
  const ScratchDir scratch;
  const std::string kovar = scratch.path + "/kovar";
  copy_catalogues(kovar);
  const CliResult result =
      run_mirelchop({{"nothing.ada"}, {{"KOVARDIR", kovar}, {"LANG", "fr_FR.UTF-8"}}, scratch.path});
  EXPECT_EQ(result.err, french_open_error);
  EXPECT_EQ(result.status, 7);
}

TEST(CatalogueInstall, KovardirNameThatIsNotUtf8) {
  const ScratchDir scratch;
  const std::string kovar = scratch.path + "/k\xE9";
  copy_catalogues(kovar);
  const CliResult result =
      run_mirelchop({{"nothing.ada"}, {{"KOVARDIR", kovar}, {"LANG", "fr_FR.UTF-8"}}, scratch.path});
  EXPECT_EQ(result.err, french_open_error);
  EXPECT_EQ(result.status, 7);
}

}  // namespace
