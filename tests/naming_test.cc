#include "driver/naming.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/ac_tree.h"
#include "driver/ac_mem.h"
#include "driver/exit_trap.h"
#include "driver/run_settings.h"
#include "tests/cli_harness.h"
#include "tests/stream_capture.h"

namespace {

// How a row's name is folded: ASCII names must come out alike whatever the
// source's encoding, so those rows run under both.
enum SourceEncoding { ANY_ENCODING, UTF8_SOURCE, LATIN1_SOURCE };

struct FileNameCase {
  const char* name;  // row name
  const char* full_name;
  UnitKind kind;
  SourceEncoding encoding;
  const char* gnat;
  const char* vesk;
};

void PrintTo(const FileNameCase& c, std::ostream* os) { *os << c.name; }

const FileNameCase file_name_cases[] = {
    {"ChildOfChild", "Parent.Child.Leaf", SPEC, ANY_ENCODING, "parent-child-leaf.ads", "parent.child.leaf.1.ada"},
    {"ChildBody", "Parent.Child", BODY, ANY_ENCODING, "parent-child.adb", "parent.child.2.ada"},
    {"Underscore", "Text_IO", BODY, ANY_ENCODING, "text_io.adb", "text_io.2.ada"},
    {"Procedure", "Main", PROC, ANY_ENCODING, "main.adb", "main.2.ada"},
    {"PredefinedParent", "Ada.Strings", SPEC, ANY_ENCODING, "ada-strings.ads", "ada.strings.1.ada"},
    {"TildeAfterA", "A.B", SPEC, ANY_ENCODING, "a~b.ads", "a.b.1.ada"},
    {"TildeAfterS", "S.Util", BODY, ANY_ENCODING, "s~util.adb", "s.util.2.ada"},
    {"TildeAfterI", "I.X", SPEC, ANY_ENCODING, "i~x.ads", "i.x.1.ada"},
    {"TildeAfterG", "G.H", SPEC, ANY_ENCODING, "g~h.ads", "g.h.1.ada"},
    {"NoTildeAfterB", "B.C", SPEC, ANY_ENCODING, "b-c.ads", "b.c.1.ada"},
    {"OneLetterAlone", "S", SPEC, ANY_ENCODING, "s.ads", "s.1.ada"},
    {"NoTildeAfterTwoLetters", "As.B", SPEC, ANY_ENCODING, "as-b.ads", "as.b.1.ada"},
    {"NoTildeDeeper", "P.A.B", BODY, ANY_ENCODING, "p-a-b.adb", "p.a.b.2.ada"},
    // UTF-8 sources: characters lower by their simple lower-case mapping.
    {"Utf8Resume", "R\xC3\x89SUM\xC3\x89.Z9", SPEC, UTF8_SOURCE, "r\xC3\xA9sum\xC3\xA9-z9.ads",
     "r\xC3\xA9sum\xC3\xA9.z9.1.ada"},
    {"Utf8Groesse", "Gr\xC3\xB6\xC3\x9F" "e", SPEC, UTF8_SOURCE, "gr\xC3\xB6\xC3\x9F" "e.ads",
     "gr\xC3\xB6\xC3\x9F" "e.1.ada"},
    {"Utf8Oel", "\xC3\x96L", SPEC, UTF8_SOURCE, "\xC3\xB6l.ads", "\xC3\xB6l.1.ada"},
    {"Utf8Child", "\xC3\x84.\xC3\x96", SPEC, UTF8_SOURCE, "\xC3\xA4-\xC3\xB6.ads", "\xC3\xA4.\xC3\xB6.1.ada"},
    // Beyond Latin-1, letters keep their case, as GNAT keeps them in file names.
    {"Utf8GreekKept", "\xCE\xA3\xCE\x99\xCE\x93\xCE\x9C\xCE\x91", BODY, UTF8_SOURCE,
     "\xCE\xA3\xCE\x99\xCE\x93\xCE\x9C\xCE\x91.adb", "\xCE\xA3\xCE\x99\xCE\x93\xCE\x9C\xCE\x91.2.ada"},
    {"Utf8CyrillicKept", "\xD0\x94\xD0\x90Z", PROC, UTF8_SOURCE, "\xD0\x94\xD0\x90z.adb", "\xD0\x94\xD0\x90z.2.ada"},
    // Latin Extended-A: the L with stroke and the Z with acute keep their case, the O with acute lowers.
    {"Utf8LatinExtendedKept", "\xC5\x81\xC3\x93" "D\xC5\xB9", SPEC, UTF8_SOURCE,
     "\xC5\x81\xC3\xB3" "d\xC5\xB9.ads", "\xC5\x81\xC3\xB3" "d\xC5\xB9.1.ada"},
    // The ends of the Latin-1 capitals: U+00C0 and U+00DE lower, U+00DF and U+00D7 stay.
    {"Utf8Latin1Range", "\xC3\x80\xC3\x9E\xC3\x9F\xC3\x97", SPEC, UTF8_SOURCE, "\xC3\xA0\xC3\xBE\xC3\x9F\xC3\x97.ads",
     "\xC3\xA0\xC3\xBE\xC3\x9F\xC3\x97.1.ada"},
    {"Utf8DottedCapitalIKept", "\xC4\xB0Z", SPEC, UTF8_SOURCE, "\xC4\xB0z.ads", "\xC4\xB0z.1.ada"},
    {"Utf8FourBytesKept", "\xF0\x90\x90\x80X", SPEC, UTF8_SOURCE, "\xF0\x90\x90\x80x.ads", "\xF0\x90\x90\x80x.1.ada"},
    {"Utf8WithoutCase", "\xE6\x97\xA5.\xC3\xA9t\xC3\xA9", BODY, UTF8_SOURCE, "\xE6\x97\xA5-\xC3\xA9t\xC3\xA9.adb",
     "\xE6\x97\xA5.\xC3\xA9t\xC3\xA9.2.ada"},
    {"Utf8IncompleteCharacterKept", "A\xC3", SPEC, UTF8_SOURCE, "a\xC3.ads", "a\xC3.1.ada"},
    // Latin-1 sources: bytes 0xC0 to 0xDE lower by 0x20, but for 0xD7.
    {"Latin1Oel", "\xC4L", SPEC, LATIN1_SOURCE, "\xE4l.ads", "\xE4l.1.ada"},
    {"Latin1MultiplicationSignKept", "A\xD7" "B", SPEC, LATIN1_SOURCE, "a\xD7" "b.ads", "a\xD7" "b.1.ada"},
    {"Latin1RangeEnds", "\xC0\xDE\xDF\xBF\xFF", BODY, LATIN1_SOURCE, "\xE0\xFE\xDF\xBF\xFF.adb",
     "\xE0\xFE\xDF\xBF\xFF.2.ada"},
    {"Latin1Child", "\xC9T\xC9.\xD6L", SPEC, LATIN1_SOURCE, "\xE9t\xE9-\xF6l.ads", "\xE9t\xE9.\xF6l.1.ada"},
    // UTF-8 bytes in a source that is not UTF-8 elsewhere fold as Latin-1 bytes.
    {"Utf8NameInLatin1Source", "Gr\xC3\xB6\xC3\x9F" "e", SPEC, LATIN1_SOURCE, "gr\xE3\xB6\xE3\x9F" "e.ads",
     "gr\xE3\xB6\xE3\x9F" "e.1.ada"},
};

class FileNameTest : public ::testing::TestWithParam<FileNameCase> {
 protected:
  void TearDown() override { current_source_utf8 = false; }
};

TEST_P(FileNameTest, UnderBothConventions) {
  const FileNameCase& c = GetParam();
  for (const bool utf8 : {false, true}) {
    if ((c.encoding == UTF8_SOURCE && !utf8) || (c.encoding == LATIN1_SOURCE && utf8)) continue;
    current_source_utf8 = utf8;
    Unit unit = {};
    unit.kind = c.kind;
    unit.full_name = const_cast<char*>(c.full_name);
    char* gnat = gnat_file_name(&unit);
    char* vesk = vesk_file_name(&unit);
    EXPECT_STREQ(gnat, c.gnat) << (utf8 ? "UTF-8" : "Latin-1");
    EXPECT_STREQ(vesk, c.vesk) << (utf8 ? "UTF-8" : "Latin-1");
    ac_free(gnat);
    ac_free(vesk);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, FileNameTest, ::testing::ValuesIn(file_name_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NamingTest, SelectionIgnoresCaseOnlyAndReportsTheNameAsGiven) {
  struct SelectCase {
    const char* name;
    NamingFunction selected;  // null: rejected
  } cases[] = {
      {"vesk", vesk_file_name}, {"GNAT", gnat_file_name}, {"Vesk", vesk_file_name},
      {" GNAT", nullptr},       {"", nullptr},            {"GNAT95", nullptr},
  };
  for (const SelectCase& c : cases) {
    naming_convention = c.selected == gnat_file_name ? vesk_file_name : gnat_file_name;
    const NamingFunction before = naming_convention;
    ExitTrap trap;
    StreamCapture err(stderr);
    int status = 0;
    try {
      select_naming_convention(QString::fromUtf8(c.name));
    } catch (const ProcessExit& exit) {
      status = exit.status;
    }
    if (c.selected != nullptr) {
      EXPECT_EQ(naming_convention, c.selected) << c.name;
      EXPECT_EQ(status, 0) << c.name;
    } else {
      EXPECT_EQ(naming_convention, before) << c.name;
      EXPECT_EQ(status, 7) << c.name;
      EXPECT_EQ(err.text(), std::string("Error : unknown naming convention (") + c.name + ")\n");
    }
  }
}

}  // namespace
