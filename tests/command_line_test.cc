// Whole-program rows for start-up, the command line, naming and the banner.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli_harness.h"

namespace {

const std::string banner =
    "Kovar 8.0.0.5.340.013\n"
    "Build Number:  340.013\n"
    "Copyright (C) 2013 Kovar.\n"
    "All rights reserved.\n";

const std::string version_text = banner +
    "   Date : 2013-12-06 01:17:00\n"
    "     OS : win32\n";

std::string usage(const std::string& label, const std::string& convention) {
  return "\n"
         "Usage: mirelchop [options] <file> [..<file>] [<dir>]\n"
         "\n"
         " <file>     : ada source file to split.\n"
         " <dir>      : output directory (default: working directory).\n"
         "\n"
         "Options:\n"
         " -v,-version: print version informations.\n"
         " -l         : print on stdout generated file name only.\n"
         " -w         : allow file overwrite.\n"
         " -n <naming>: force naming convention (see below).\n"
         "\n"
         "Current " + label + " chop naming is \"" + convention + "\"\n"
         "\n"
         "You can use MIRELCHOP environment variable to change default naming convention.\n"
         "\n"
         "Supported naming conventions are: \"GNAT\", \"VESK\" \n"
         "\n" + banner;
}

const std::string french_version_text =
    "Kovar 8.0.0.5.340.013\n"
    "Numéro de build :  340.013\n"
    "Copyright (C) 2013 Kovar.\n"
    "Tous droits réservés.\n"
    "   Date : 2013-12-06 01:17:00\n"
    "     SE : win32\n";

const Environment french = {{"LANG", "fr_FR.UTF-8"}};

// One invocation in a scratch directory holding the sources `source.ada`
// (empty), `spec.ada` (package P), `proc.ada` (procedure Q), `broken.ada`
// (a stray semicolon at line 2, column 5) and `interface.ada` (a package
// named by a word that Ada 2005 reserves), `aspect.ada` (a package with an
// aspect, Ada 2012), the directory `outdir` and the dangling link `dangling`.
struct CommandLineCase {
  const char* name;
  std::vector<std::string> args;
  Environment env;
  std::string expected_out;
  std::string expected_err;
  int expected_status;
  // Name and exact text after the run; nullopt: the file must not exist.
  std::vector<std::pair<std::string, std::optional<std::string>>> expected_files = {};
};

// Rows print as their names in test output.
void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, PrintsAndEndsAsExpected) {
  const CommandLineCase& c = GetParam();
  const ScratchDir scratch;
  const std::string& dir = scratch.path;
  write_file(dir + "/source.ada", "");
  write_file(dir + "/spec.ada", "package P is end P;\n");
  write_file(dir + "/proc.ada", "procedure Q is begin null; end Q;\n");
  write_file(dir + "/broken.ada", "package R is\nend;;\n");
  write_file(dir + "/interface.ada", "package Interface is end Interface;\n");
  write_file(dir + "/aspect.ada", "package A with Pure is end A;\n");
  ASSERT_EQ(mkdir((dir + "/outdir").c_str(), 0755), 0);
  ASSERT_EQ(symlink("nowhere", (dir + "/dangling").c_str()), 0);
  const CliResult result = run_mirelchop({c.args, c.env, dir});
  EXPECT_EQ(result.out, c.expected_out);
  EXPECT_EQ(result.err, c.expected_err);
  EXPECT_EQ(result.status, c.expected_status);
  for (const auto& [name, text] : c.expected_files) EXPECT_EQ(read_file(dir + "/" + name), text) << name;
}

// The error for an unusable MIRELCHOP_ADA value, in English.
std::string unknown_revision(const std::string& value) {
  return "Error : unknown Ada revision (" + value + ") in MIRELCHOP_ADA, use 95, 2005, 2012 or 2022\n";
}

// The two sources of the revision rows, chopped into the working directory.
const std::vector<std::string> two_sources = {"spec.ada", "proc.ada"};
const std::string two_sources_out = "From spec.ada\nWritting p.ads\nFrom proc.ada\nWritting q.adb\nChopped 2 files.\n";
const std::vector<std::pair<std::string, std::optional<std::string>>> two_units = {
    {"p.ads", "package P is end P;\n"}, {"q.adb", "procedure Q is begin null; end Q;\n"}};
const std::vector<std::pair<std::string, std::optional<std::string>>> no_unit = {
    {"p.ads", std::nullopt}, {"q.adb", std::nullopt}};

const CommandLineCase command_line_cases[] = {
    {"NoArguments", {}, {}, usage("default", "GNAT"), "Error: missing source file.\n", 7},
    {"HelpWinsOverLaterSource", {"-h", "source.ada"}, {}, usage("default", "GNAT"), "", 7},
    {"HelpShowsEarlierNamingOption", {"-n", "vesk", "-h"}, {}, usage("default", "VESK"), "", 7},
    {"UsageLabelWhenVariableSet", {"-h"}, {{"MIRELCHOP", "vesk"}}, usage("MIRELCHOP", "VESK"), "", 7},
    {"Version", {"-v"}, {}, version_text, "", 0},
    {"LongVersion", {"-version"}, {}, version_text, "", 0},
    {"VersionStopsBeforeSource", {"-v", "missing.ada"}, {}, version_text, "", 0},
    {"FrenchVersion", {"-v"}, french, french_version_text, "", 0},
    {"FrenchCatalogueFoundFromRegionlessLocale", {"-v"}, {{"LANG", "fr.UTF-8"}}, french_version_text, "", 0},
    {"NamingOptionLast", {"source.ada", "-n"}, {}, "", "Error: missing parameter for option \"-n\"\n", 7},
    {"LogOptionLast", {"source.ada", "-studio_log"}, {}, "",
     "Error: missing parameter for option \"-studio_log\"\n", 7},
    {"OptionTakenAsNamingName", {"-n", "-l", "source.ada"}, {}, "", "Error : unknown naming convention (-l)\n", 7},
    {"MixedCaseNamingName", {"-n", "gNaT", "-v"}, {}, version_text, "", 0},
    {"CombinedOptionLettersAreAFileWord", {"-lw"}, {}, "", "Error : can't open file \"-lw\"\n", 7},
    {"UpperCaseOptionIsAFileWord", {"-L"}, {}, "", "Error : can't open file \"-L\"\n", 7},
    {"DirectoryAloneIsASource", {"outdir"}, {}, "", "Error : can't open file \"outdir\"\n", 7},
    {"SourceThenMissingName", {"source.ada", "missing"}, {}, "", "Error: can't stat file 'missing'", 7},
    {"MissingSourceThenSource", {"missing.ada", "source.ada"}, {}, "",
     "Error : can't open file \"missing.ada\"\n", 7},
    {"UnknownVariableValue", {"-v"}, {{"MIRELCHOP", "bogus"}}, "", "Error : unknown naming convention (bogus)\n", 7},
    {"EmptyVariableValue", {"-v"}, {{"MIRELCHOP", ""}}, "", "Error : unknown naming convention ()\n", 7},
    {"VariableWithTrailingBlank", {"-v"}, {{"MIRELCHOP", "GNAT "}}, "",
     "Error : unknown naming convention (GNAT )\n", 7},
    {"LowerCaseVariableValue", {"-h"}, {{"MIRELCHOP", "gnat"}}, usage("MIRELCHOP", "GNAT"), "", 7},
    {"UnknownNameInFrench", {"-n", "ada83"}, french, "", "Erreur : convention de nommage inconnue (ada83)\n", 7},
    {"Utf8WordInMessage", {"-n", "nommé"}, french, "", "Erreur : convention de nommage inconnue (nommé)\n", 7},
    {"Utf8FileNameInMessage", {"déjà.ada"}, {}, "", "Error : can't open file \"déjà.ada\"\n", 7},
    {"Latin1FileNameInMessage", {"d\xE9j\xE0.ada"}, {}, "", "Error : can't open file \"d\xE9j\xE0.ada\"\n", 7},
    {"Latin1FileNameInFrenchMessage", {"d\xE9j\xE0.ada"}, french, "",
     "Erreur : impossible d'ouvrir le fichier \"d\xE9j\xE0.ada\"\n", 7},
    {"PercentInWordPrintedLiterally", {"source.ada", "%s%d%1"}, {}, "", "Error: can't stat file '%s%d%1'", 7},
    {"SourceThenDirectory", {"spec.ada", "outdir"}, {},
     "From spec.ada\nWritting outdir/p.ads\nChopped 1 files.\n", "", 0},
    {"TwoSourcesIntoWorkingDirectory", {"spec.ada", "proc.ada"}, {},
     "From spec.ada\nWritting p.ads\nFrom proc.ada\nWritting q.adb\nChopped 2 files.\n", "", 0},
    {"ListOnlyWithOverwriteAndDirectory", {"-w", "-l", "spec.ada", "proc.ada", "outdir"}, {},
     "outdir/p.ads\noutdir/q.adb\n", "", 0},
    {"NoUnitStillPrintsTheTotal", {"source.ada"}, {}, "From source.ada\nChopped 0 files.\n", "", 0},
    {"VeskFromTheVariable", {"proc.ada"}, {{"MIRELCHOP", "Vesk"}}, "From proc.ada\nWritting q.2.ada\nChopped 1 files.\n",
     "", 0},
    {"NamingOptionOverridesTheVariable", {"-n", "GNAT", "proc.ada"}, {{"MIRELCHOP", "VESK"}},
     "From proc.ada\nWritting q.adb\nChopped 1 files.\n", "", 0},
    {"SecondSourceCannotBeOpened", {"spec.ada", "dangling", "outdir"}, {},
     "From spec.ada\nWritting outdir/p.ads\n", "Error : can't open file \"dangling\"\n", 7},
    {"SyntaxErrorInSecondOfThree", {"spec.ada", "broken.ada", "proc.ada"}, {}, "From spec.ada\nWritting p.ads\n",
     "broken.ada:2:5: Syntax error while analysing, can't continue.\n", 7},
    {"LogThatCannotBeOpened", {"-studio_log", "nodir/run.log", "spec.ada"}, {},
     "From spec.ada\nWritting p.ads\nChopped 1 files.\n",
     "Warning: can't open log file \"nodir/run.log\", no log is written.\n", 0},
    {"SecondLogThatCannotBeOpenedLeavesNoLog",
     {"-studio_log", "first.log", "-studio_log", "nodir/run.log", "spec.ada"}, {},
     "From spec.ada\nWritting p.ads\nChopped 1 files.\n",
     "Warning: can't open log file \"nodir/run.log\", no log is written.\n", 0, {{"first.log", ""}}},
    {"SecondLogReplacesTheFirst", {"-studio_log", "first.log", "-studio_log", "second.log", "spec.ada"}, {},
     "From spec.ada\nWritting p.ads\nChopped 1 files.\n", "", 0,
     {{"first.log", ""}, {"second.log", "ADA p.ads\n"}}},
    {"FrenchRun", {"spec.ada", "outdir"}, french,
     "From spec.ada\nÉcriture de outdir/p.ads\n1 fichiers découpés.\n", "", 0},
    {"KovardirUnset", {"-v"}, {{"KOVARDIR", std::nullopt}}, "",
     "Fatal Error: please setup KOVARDIR environment variable.\n", 7},
    {"KovardirEmpty", {}, {{"KOVARDIR", ""}}, "", "Fatal Error: please setup KOVARDIR environment variable.\n", 7},
    {"KovardirWithoutLocale", {"-v"}, {{"KOVARDIR", "/tmp"}}, "",
     "Fatal Error: directory doesn't exist '/tmp/lib/locale'\n", 7},
    {"KovardirWithTrailingSeparator", {}, {{"KOVARDIR", "/tmp/"}}, "",
     "Fatal Error: directory doesn't exist '/tmp//lib/locale'\n", 7},
    {"KovardirPrintedLiterally", {}, {{"KOVARDIR", "/tmp/d\xC3\xA9j\xC3\xA0%s%d"}}, "",
     "Fatal Error: directory doesn't exist '/tmp/d\xC3\xA9j\xC3\xA0%s%d/lib/locale'\n", 7},
    {"KovardirCheckedBeforeNaming", {"-v"}, {{"KOVARDIR", std::nullopt}, {"MIRELCHOP", "bogus"}}, "",
     "Fatal Error: please setup KOVARDIR environment variable.\n", 7},
    {"NoCatalogueForLocale", {"-v"}, {{"LANG", "es_ES.UTF-8"}}, version_text, "", 0},
    {"GermanRun", {"spec.ada", "outdir"}, {{"LANG", "de_DE.UTF-8"}},
     "From spec.ada\nSchreibe outdir/p.ads\n1 Dateien zerlegt.\n", "", 0},
    {"AdaRevisionAbsent", two_sources, {{"MIRELCHOP_ADA", std::nullopt}}, two_sources_out, "", 0, two_units},
    {"AdaRevision95", two_sources, {{"MIRELCHOP_ADA", "95"}}, two_sources_out, "", 0, two_units},
    {"AdaRevision2005", two_sources, {{"MIRELCHOP_ADA", "2005"}}, two_sources_out, "", 0, two_units},
    {"AdaRevision2012", two_sources, {{"MIRELCHOP_ADA", "2012"}}, two_sources_out, "", 0, two_units},
    {"AdaRevision2022", two_sources, {{"MIRELCHOP_ADA", "2022"}}, two_sources_out, "", 0, two_units},
    {"InterfaceIsAnIdentifierWithoutAdaRevision", {"interface.ada"}, {{"MIRELCHOP_ADA", std::nullopt}},
     "From interface.ada\nWritting interface.ads\nChopped 1 files.\n", "", 0,
     {{"interface.ads", "package Interface is end Interface;\n"}}},
    {"InterfaceIsAnIdentifierInAda95", {"interface.ada"}, {{"MIRELCHOP_ADA", "95"}},
     "From interface.ada\nWritting interface.ads\nChopped 1 files.\n", "", 0,
     {{"interface.ads", "package Interface is end Interface;\n"}}},
    {"InterfaceIsReservedInAda2005", {"interface.ada"}, {{"MIRELCHOP_ADA", "2005"}}, "",
     "interface.ada:1:9: Syntax error while analysing, can't continue.\n", 7, {{"interface.ads", std::nullopt}}},
    {"AdaRevisionLeavesVersionAsItIs", {"-v"}, {{"MIRELCHOP_ADA", "2022"}}, version_text, "", 0},
    {"AdaRevisionLeavesUsageAsItIs", {"-h"}, {{"MIRELCHOP_ADA", "2012"}}, usage("default", "GNAT"), "", 7},
    {"AdaRevisionEmpty", two_sources, {{"MIRELCHOP_ADA", ""}}, "", unknown_revision(""), 7, no_unit},
    {"AdaRevisionNextYear", two_sources, {{"MIRELCHOP_ADA", "2023"}}, "", unknown_revision("2023"), 7, no_unit},
    {"AdaRevisionWithLanguageName", two_sources, {{"MIRELCHOP_ADA", "ada2012"}}, "", unknown_revision("ada2012"), 7,
     no_unit},
    {"AdaRevisionWithLeadingBlank", two_sources, {{"MIRELCHOP_ADA", " 2012"}}, "", unknown_revision(" 2012"), 7,
     no_unit},
    {"AdaRevision83", two_sources, {{"MIRELCHOP_ADA", "83"}}, "", unknown_revision("83"), 7, no_unit},
    {"AdaRevisionShortYear", two_sources, {{"MIRELCHOP_ADA", "12"}}, "", unknown_revision("12"), 7, no_unit},
    {"AdaRevisionCheckedBeforeVersion", {"-v"}, {{"MIRELCHOP_ADA", "2023"}}, "", unknown_revision("2023"), 7},
    {"AdaRevisionCheckedBeforeNamingOption", {"-n", "bogus", "spec.ada"}, {{"MIRELCHOP_ADA", "2023"}}, "",
     unknown_revision("2023"), 7, no_unit},
    {"NamingVariableCheckedBeforeAdaRevision", {"spec.ada"}, {{"MIRELCHOP", "bogus"}, {"MIRELCHOP_ADA", "2023"}}, "",
     "Error : unknown naming convention (bogus)\n", 7, no_unit},
    {"AdaRevisionPrintedLiterally", two_sources, {{"MIRELCHOP_ADA", "%2%1"}}, "", unknown_revision("%2%1"), 7,
     no_unit},
    {"Latin1AdaRevisionInMessage", two_sources, {{"MIRELCHOP_ADA", "r\xE9vision"}}, "",
     unknown_revision("r\xE9vision"), 7, no_unit},
    {"AdaRevisionInFrench", two_sources, {{"LANG", "fr_FR.UTF-8"}, {"MIRELCHOP_ADA", "ada2012"}}, "",
     "Erreur : révision d'Ada inconnue (ada2012) dans MIRELCHOP_ADA, utilisez 95, 2005, 2012 ou 2022\n", 7,
     no_unit},
    {"AdaRevisionInGerman", two_sources, {{"LANG", "de_DE.UTF-8"}, {"MIRELCHOP_ADA", ""}}, "",
     "Fehler: unbekannte Ada-Revision () in MIRELCHOP_ADA, erlaubt sind 95, 2005, 2012 oder 2022\n", 7, no_unit},
    {"LaterRevisionNote", {"spec.ada", "aspect.ada"}, {}, "From spec.ada\nWritting p.ads\n",
     "aspect.ada:1:11: Syntax error while analysing, can't continue.\n"
     "Note: \"aspect.ada\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n",
     7, {{"a.ads", std::nullopt}}},
    {"LaterRevisionNoteInFrench", {"aspect.ada"}, french, "",
     "aspect.ada:1:11: erreur de syntaxe pendant l'analyse, arrêt.\n"
     "Note : \"aspect.ada\" se lit comme de l'Ada 2022 ; définissez MIRELCHOP_ADA=2022 pour le découper ainsi.\n",
     7, {{"a.ads", std::nullopt}}},
    {"LaterRevisionNoteInGerman", {"aspect.ada"}, {{"LANG", "de_DE.UTF-8"}}, "",
     "aspect.ada:1:11: Syntaxfehler bei der Analyse, Abbruch.\n"
     "Hinweis: \"aspect.ada\" lässt sich als Ada 2022 lesen; mit MIRELCHOP_ADA=2022 wird es so zerlegt.\n",
     7, {{"a.ads", std::nullopt}}},
    {"AspectChopsInAda2012", {"aspect.ada"}, {{"MIRELCHOP_ADA", "2012"}},
     "From aspect.ada\nWritting a.ads\nChopped 1 files.\n", "", 0, {{"a.ads", "package A with Pure is end A;\n"}}},
    {"LcAllWinsOverLang", {"nothing.ada"}, {{"LANG", "fr_FR.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}, "",
     "Fehler: Datei \"nothing.ada\" kann nicht geöffnet werden\n", 7},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineTest, ::testing::ValuesIn(command_line_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
