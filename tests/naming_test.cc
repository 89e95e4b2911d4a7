#include "driver/naming.h"

#include <gtest/gtest.h>

#include "analysis/ac_tree.h"
#include "driver/ac_mem.h"
#include "driver/run_settings.h"
#include "tests/stream_capture.h"

namespace {

struct FileNameCase {
  const char* full_name;
  UnitKind kind;
  const char* gnat;
  const char* vesk;
};

const FileNameCase file_name_cases[] = {
    {"Parent.Child.Leaf", SPEC, "parent-child-leaf.ads", "parent.child.leaf.1.ada"},
    {"Parent.Child", BODY, "parent-child.adb", "parent.child.2.ada"},
    {"Text_IO", BODY, "text_io.adb", "text_io.2.ada"},
    {"Main", PROC, "main.adb", "main.2.ada"},
    {"Ada.Strings", SPEC, "ada-strings.ads", "ada.strings.1.ada"},
    {"A.B", SPEC, "a~b.ads", "a.b.1.ada"},
    {"S.Util", BODY, "s~util.adb", "s.util.2.ada"},
    {"I.X", SPEC, "i~x.ads", "i.x.1.ada"},
    {"G.H", SPEC, "g~h.ads", "g.h.1.ada"},
    {"B.C", SPEC, "b-c.ads", "b.c.1.ada"},
    {"S", SPEC, "s.ads", "s.1.ada"},
    {"As.B", SPEC, "as-b.ads", "as.b.1.ada"},
    {"P.A.B", BODY, "p-a-b.adb", "p.a.b.2.ada"},
    {"R\xC3\x89SUM\xC3\x89.Z9", SPEC, "r\xC3\x89sum\xC3\x89-z9.ads", "r\xC3\x89sum\xC3\x89.z9.1.ada"},
};

TEST(NamingTest, FileNamesUnderBothConventions) {
  for (const FileNameCase& c : file_name_cases) {
    Unit unit = {};
    unit.kind = c.kind;
    unit.full_name = const_cast<char*>(c.full_name);
    char* gnat = gnat_file_name(&unit);
    char* vesk = vesk_file_name(&unit);
    EXPECT_STREQ(gnat, c.gnat) << c.full_name;
    EXPECT_STREQ(vesk, c.vesk) << c.full_name;
    ac_free(gnat);
    ac_free(vesk);
  }
}

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
