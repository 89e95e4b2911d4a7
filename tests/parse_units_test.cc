// The unit lists that the parse builds from Ada sources: kinds, names,
// property bits, end positions, context clauses and renaming targets.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "analysis/ac_tree.h"
#include "analysis/parse_actions.h"
#include "analysis/parser.h"
#include "tests/parse_harness.h"

namespace {

// The unit a row expects; fields as in ParsedUnit.
struct ExpectedUnit {
  UnitKind kind;
  const char* full_name;
  const char* simple_name;
  uint32_t properties;
  uint32_t end_line;
  uint32_t end_column;
  std::vector<std::string> context = {};
  std::optional<std::string> renaming_target = std::nullopt;
};

// A source and everything its parse must yield.
struct UnitsRow {
  const char* what;
  const char* source;
  std::vector<ExpectedUnit> units;
  const char* err = "";  // standard error, exactly
};

void expect_units(const UnitsRow& row, const ParseOutcome& outcome) {
  SCOPED_TRACE(row.what);
  EXPECT_EQ(outcome.exit_status, std::nullopt) << outcome.err;
  EXPECT_EQ(outcome.err, row.err);
  ASSERT_EQ(outcome.units.size(), row.units.size());
  for (size_t i = 0; i < row.units.size(); ++i) {
    const ExpectedUnit& want = row.units[i];
    const ParsedUnit& got = outcome.units[i];
    SCOPED_TRACE("unit " + std::to_string(i) + " " + got.full_name);
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_EQ(got.full_name, want.full_name);
    EXPECT_EQ(got.simple_name, want.simple_name);
    EXPECT_EQ(got.properties, want.properties) << std::hex << (got.properties ^ want.properties);
    EXPECT_EQ(got.end_line, want.end_line);
    EXPECT_EQ(got.end_column, want.end_column);
    EXPECT_EQ(got.context, want.context);
    EXPECT_EQ(got.renaming_target, want.renaming_target);
  }
}

constexpr uint32_t PACKAGE_SPEC = IS_DECLARATION | IS_PACKAGE;
constexpr uint32_t PACKAGE_BODY = IS_BODY | IS_PACKAGE;

const UnitsRow units_rows[] = {
    {"specification then body",
     "package P is\n"
     "   X : Integer;\n"
     "end P;\n"
     "\n"
     "package body P is\n"
     "begin\n"
     "   X := 0;\n"
     "end P;\n",
     {{SPEC, "P", "P", PACKAGE_SPEC, 3, 6}, {BODY, "P", "P", PACKAGE_BODY, 8, 6}}},
    {"library procedure with a nested procedure",
     "procedure Main is\n"
     "   procedure Inner is\n"
     "   begin\n"
     "      null;\n"
     "   end Inner;\n"
     "begin\n"
     "\tInner;\n"
     "end Main;\n",
     {{PROC, "Main", "Main", IS_PROCEDURE | IS_BODY, 8, 9}}},
    {"nested package and instantiation inside a package",
     "package Outer is\n"
     "   package Inner is\n"
     "      Y : Integer;\n"
     "   end Inner;\n"
     "   package Lists is new Generic_Lists (Integer);\n"
     "   procedure Swap is new Generic_Swap (Integer);\n"
     "end Outer;\n",
     {{SPEC, "Outer", "Outer", PACKAGE_SPEC, 7, 10}}},
    {"child unit",
     "package A.B is\n"
     "end A.B;\n",
     {{SPEC, "A.B", "A.B", IS_CHILD | PACKAGE_SPEC, 2, 8}}},
    {"subunits of every body kind",
     "separate (A.B)\n"
     "procedure C is\n"
     "begin\n"
     "   null;\n"
     "end C;\n"
     "separate (A) package body Q is end Q;\n"
     "separate (A) task body T is begin null; end T;\n"
     "separate (A) protected body R is end R;\n"
     "separate (A.B) function F return Integer is begin return 0; end F;\n",
     {{PROC, "A.B.C", "C", IS_PROCEDURE | IS_BODY | IS_SUBUNIT, 5, 6},
      {BODY, "A.Q", "Q", PACKAGE_BODY | IS_SUBUNIT, 6, 37},
      {BODY, "A.T", "T", IS_BODY | IS_TASK | IS_SUBUNIT, 7, 46},
      {BODY, "A.R", "R", IS_BODY | IS_PROTECTED | IS_SUBUNIT, 8, 39},
      {PROC, "A.B.F", "F", IS_FUNCTION | IS_BODY | IS_SUBUNIT, 9, 66}}},
    {"subunit prefix does not outlive the subunit",
     "separate (P) procedure S is begin null; end S;\n"
     "procedure S is begin null; end S;\n",
     {{PROC, "P.S", "S", IS_PROCEDURE | IS_BODY | IS_SUBUNIT, 1, 46},
      {PROC, "S", "S", IS_PROCEDURE | IS_BODY, 2, 33}}},
    {"generic package versus generic subprograms",
     "generic\n"
     "   type T is private;\n"
     "package G is\n"
     "end G;\n"
     "generic\n"
     "   type T is private;\n"
     "procedure GP (X : T);\n"
     "generic\n"
     "   type T is private;\n"
     "function GF (X : T) return T;\n",
     {{SPEC, "G", "G", PACKAGE_SPEC, 4, 6},
      {SPEC, "GP", "GP", IS_PROCEDURE | IS_GENERIC | IS_DECLARATION, 7, 21},
      {SPEC, "GF", "GF", IS_FUNCTION | IS_GENERIC | IS_DECLARATION, 10, 29}}},
    {"package and subprogram instantiations",
     "package I is new G (Integer);\n"
     "procedure PI is new GP\n"
     "  (Integer);\n"
     "function Sqrt is new Generic_Sqrt (Float);\n",
     {{SPEC, "I", "I", IS_INSTANCE | IS_PACKAGE, 1, 29},
      {SPEC, "PI", "PI", IS_PROCEDURE | IS_INSTANCE | IS_BODY, 3, 12},
      {SPEC, "Sqrt", "Sqrt", IS_FUNCTION | IS_INSTANCE | IS_BODY, 4, 42}}},
    {"renamings",
     "package R renames Q;\n"
     "procedure Put (S : String) renames Ada.Text_IO.Put_Line;\n"
     "generic package GR renames Ada.Direct_IO;\n"
     "generic procedure GS renames Generic_Swap;\n"
     "function \"-\" (L, R : T) return T renames Minus;\n",
     {{SPEC, "R", "R", IS_DECLARATION | IS_RENAMING | IS_PACKAGE, 1, 20, {}, "Q"},
      {SPEC, "Put", "Put", IS_PROCEDURE | IS_DECLARATION | IS_RENAMING, 2, 56, {}, "Ada.Text_IO.Put_Line"},
      {SPEC, "GR", "GR", IS_GENERIC | IS_RENAMING | IS_PACKAGE, 3, 41, {}, "Ada.Direct_IO"},
      {SPEC, "GS", "GS", IS_PROCEDURE | IS_GENERIC | IS_DECLARATION | IS_RENAMING, 4, 42, {}, "Generic_Swap"}},
     "Error x.ada:5: operator not allowed at library level\n"},
    {"abstract procedure, function declarations",
     "procedure Abs_P (X : in out T) is abstract;\n"
     "function F return Integer;\n"
     "function Lone;\n",
     {{BODY, "Abs_P", "Abs_P", IS_PROCEDURE | IS_ABSTRACT, 1, 43},
      {SPEC, "F", "F", IS_FUNCTION | IS_DECLARATION, 2, 26},
      {SPEC, "Lone", "Lone", IS_FUNCTION | IS_DECLARATION, 3, 14}}},
    {"library-level operator function between two units",
     "package P1 is\n"
     "end P1;\n"
     "function \"+\" (L, R : T) return T is\n"
     "begin\n"
     "   return L;\n"
     "end \"+\";\n"
     "package P2 is\n"
     "end P2;\n",
     {{SPEC, "P1", "P1", PACKAGE_SPEC, 2, 7}, {SPEC, "P2", "P2", PACKAGE_SPEC, 8, 7}},
     "Error x.ada:6: operator not allowed at library level\n"},
    {"pragmas after a library operator function move no earlier end",
     "package P1 is end P1;\n"
     "function \"+\" (L, R : T) return T;\n"
     "pragma Inline (\"+\");\n"
     "package P2 is end P2; pragma Pure (P2);\n",
     {{SPEC, "P1", "P1", PACKAGE_SPEC, 1, 21}, {SPEC, "P2", "P2", PACKAGE_SPEC, 4, 39}},
     "Error x.ada:2: operator not allowed at library level\n"},
    {"operator written with the percent-sign delimiters",
     "function %and% (L, R : T) return T;\n"
     "package P is end P;\n",
     {{SPEC, "P", "P", PACKAGE_SPEC, 2, 19}},
     "Error x.ada:1: operator not allowed at library level\n"},
    {"context A, B, C",
     "with A, B;\n"
     "with C;\n"
     "procedure Main is\n"
     "begin\n"
     "   null;\n"
     "end Main;\n",
     {{PROC, "Main", "Main", IS_PROCEDURE | IS_BODY, 6, 9, {"A", "B", "C"}}}},
    {"every library unit takes its own context clause, and no other",
     "with Ada.Text_IO; use Ada.Text_IO;\n"
     "pragma Elaborate_All (Ada.Text_IO);\n"
     "package Q is end Q;\n"
     "function F return Integer;\n"
     "with X.Y;\n"
     "separate (Q) package body Z is end Z;\n"
     "with G;\n"
     "package I is new G;\n",
     {{SPEC, "Q", "Q", PACKAGE_SPEC, 3, 19, {"Ada.Text_IO"}},
      {SPEC, "F", "F", IS_FUNCTION | IS_DECLARATION, 4, 26},
      {BODY, "Q.Z", "Z", PACKAGE_BODY | IS_SUBUNIT, 6, 37, {"X.Y"}},
      {SPEC, "I", "I", IS_INSTANCE | IS_PACKAGE, 8, 19, {"G"}}}},
    {"units separated only by pragmas; private child",
     "package P1 is end P1;\n"
     "pragma Pure (P1); pragma Preelaborate;\n"
     "private package P1.Child is\n"
     "end P1.Child;\n",
     {{SPEC, "P1", "P1", PACKAGE_SPEC, 2, 38}, {SPEC, "P1.Child", "P1.Child", IS_CHILD | PACKAGE_SPEC, 4, 13}}},
    {"bodies nested in a package body create no unit",
     "package body P is\n"
     "   task T;\n"
     "   task body T is begin null; end T;\n"
     "   protected R is procedure Op; end R;\n"
     "   protected body R is procedure Op is begin null; end Op; end R;\n"
     "   procedure S is separate;\n"
     "   package body N is separate;\n"
     "end P;\n",
     {{BODY, "P", "P", PACKAGE_BODY, 8, 6}}},
};

TEST(ParseUnitsTest, SourcesYieldTheirUnitsInEveryRevision) {
  for (const AdaRevision revision : {ADA_95, ADA_2005, ADA_2012, ADA_2022}) {
    SCOPED_TRACE("revision " + std::to_string(revision));
    for (const UnitsRow& row : units_rows)
      expect_units(row, parse_text(row.source, parse_compilation, "x.ada", revision));
  }
}

// Sources of the later revisions: each yields its units in every revision
// from `since` on, and is a syntax error before it.
struct ModernRow {
  AdaRevision since;
  UnitsRow row;
  const char* earlier_err;  // standard error of the syntax error before `since`
};

const ModernRow modern_rows[] = {
    {ADA_2005,
     {"limited, private and limited private with clauses",
      "limited with A.B;\n"
      "private with C;\n"
      "limited private with D, E.F;\n"
      "with G;\n"
      "package P is\n"
      "end P;\n",
      {{SPEC, "P", "P", PACKAGE_SPEC, 6, 6, {"A.B", "C", "D", "E.F", "G"}}}},
     "x.ada:1:1: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"private with clause before a private child",
      "private with Q.Impl;\n"
      "private package Q.Child is\n"
      "end Q.Child;\n",
      {{SPEC, "Q.Child", "Q.Child", IS_CHILD | PACKAGE_SPEC, 3, 12, {"Q.Impl"}}}},
     "x.ada:1:9: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"aspects on every kind of library unit change nothing",
      "package P with Pure is\n"
      "end P;\n"
      "package body P with SPARK_Mode => Off is\n"
      "end P;\n"
      "procedure Q (X : Integer) with Inline, Pre => X > 0;\n"
      "procedure Q (X : Integer) with SPARK_Mode is\n"
      "begin null; end Q;\n"
      "generic\n"
      "   type T is private;\n"
      "function G (X : T) return T with Pure_Function;\n"
      "package I is new G2 (Integer) with Preelaborate;\n"
      "procedure R renames Q with Inline;\n"
      "package S renames P with Obsolescent;\n",
      {{SPEC, "P", "P", PACKAGE_SPEC, 2, 6},
       {BODY, "P", "P", PACKAGE_BODY, 4, 6},
       {SPEC, "Q", "Q", IS_PROCEDURE | IS_DECLARATION, 5, 52},
       {PROC, "Q", "Q", IS_PROCEDURE | IS_BODY, 7, 18},
       {SPEC, "G", "G", IS_FUNCTION | IS_GENERIC | IS_DECLARATION, 10, 47},
       {SPEC, "I", "I", IS_INSTANCE | IS_PACKAGE, 11, 48},
       {SPEC, "R", "R", IS_PROCEDURE | IS_DECLARATION | IS_RENAMING, 12, 34, {}, "Q"},
       {SPEC, "S", "S", PACKAGE_SPEC | IS_RENAMING, 13, 37, {}, "P"}}},
     "x.ada:1:11: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"expression functions, null procedures and nested units make no unit",
      "package body P is\n"
      "   function F (X : Integer) return Integer is (X + 1);\n"
      "   procedure N is null;\n"
      "   overriding procedure O (X : T) is null;\n"
      "   package Inner with Pure is end Inner;\n"
      "   protected type Lock is new Guard with\n"
      "      procedure Release;\n"
      "   end Lock;\n"
      "   task type Runner is new Worker with\n"
      "      entry Start;\n"
      "   end Runner;\n"
      "end P;\n",
      {{BODY, "P", "P", PACKAGE_BODY, 12, 6}}},
     "x.ada:2:47: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"child units, subunits and a generic child with later syntax",
      "with Ada.Finalization;\n"
      "package A.B is\n"
      "   type T is new Ada.Finalization.Controlled with null record;\n"
      "   overriding procedure Finalize (Object : in out T);\n"
      "end A.B;\n"
      "separate (A.B)\n"
      "overriding procedure Finalize (Object : in out T) is\n"
      "begin\n"
      "   Object := (Object with delta Count => 0);\n"
      "end Finalize;\n"
      "generic\n"
      "   type E is private or use Integer;\n"
      "package A.G is\n"
      "end A.G;\n",
      {{SPEC, "A.B", "A.B", IS_CHILD | PACKAGE_SPEC, 5, 8, {"Ada.Finalization"}},
       {PROC, "A.B.Finalize", "Finalize", IS_PROCEDURE | IS_BODY | IS_SUBUNIT, 10, 13},
       {SPEC, "A.G", "A.G", IS_CHILD | PACKAGE_SPEC, 14, 8}}},
     "x.ada:4:15: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"trailing pragmas after an instantiation with aspects",
      "procedure Swap is new Generic_Swap (Integer) with Inline;\n"
      "pragma Preelaborate (Swap);\n"
      "function \"+\" (L, R : T) return T is begin return L; end \"+\";\n"
      "procedure After is begin null; end After;\n",
      {{SPEC, "Swap", "Swap", IS_PROCEDURE | IS_INSTANCE | IS_BODY, 2, 27},
       {PROC, "After", "After", IS_PROCEDURE | IS_BODY, 4, 41}},
      "Error x.ada:3: operator not allowed at library level\n"},
     "x.ada:1:46: Syntax error while analysing, can't continue.\n"},
    // The range's upper bound takes the operator after it.
    {ADA_2005,
     {"allocators with a range constraint",
      "package P is\n"
      "   Count : Int_Access := new Integer range 1 .. 10 * 2;\n"
      "   Table : Vector_Access := new Vector range 0 .. 9;\n"
      "end P;\n",
      {{SPEC, "P", "P", PACKAGE_SPEC, 4, 6}}},
     "x.ada:2:38: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"generalized iterators with an anonymous access loop parameter",
      "procedure P is\n"
      "begin\n"
      "   for E : access Integer of A loop null; end loop;\n"
      "   for C : not null access constant T in Iterate (A) loop null; end loop;\n"
      "end P;\n",
      {{PROC, "P", "P", IS_PROCEDURE | IS_BODY, 5, 6}}},
     "x.ada:3:10: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"iterated component associations over choice lists",
      "package P is\n"
      "   Odd : Vector := (for I in 1 | 3 => I);\n"
      "   Set : Vector := (for I in 1 | 3 .. 4 | Low .. High => I * 2);\n"
      "   Up : Vector := (for I in reverse 1 .. 3 => I);\n"
      "end P;\n",
      {{SPEC, "P", "P", PACKAGE_SPEC, 5, 6}}},
     "x.ada:2:21: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"restrictions naming attributes by reserved words",
      "package P is\n"
      "   pragma Restrictions (No_Use_Of_Attribute => Access);\n"
      "   pragma Restrictions (No_Use_Of_Attribute => Delta, No_Use_Of_Attribute => Digits);\n"
      "   pragma Restrictions (No_Use_Of_Attribute => Mod);\n"
      "end P;\n",
      {{SPEC, "P", "P", PACKAGE_SPEC, 5, 6}}},
     "x.ada:2:48: Syntax error while analysing, can't continue.\n"},
    {ADA_2005,
     {"context clauses beginning with a use clause",
      "use Ada.Text_IO;\n"
      "with Ada.Text_IO;\n"
      "procedure P is begin null; end P;\n"
      "use type Q.T; pragma Elaborate_All (Q);\n"
      "package R is end R;\n",
      {{PROC, "P", "P", IS_PROCEDURE | IS_BODY, 3, 33, {"Ada.Text_IO"}},
       {SPEC, "R", "R", PACKAGE_SPEC, 5, 19}}},
     "x.ada:1:1: Syntax error while analysing, can't continue.\n"},
};

TEST(ParseUnitsTest, LaterRevisionSourcesYieldTheirUnits) {
  for (const ModernRow& modern : modern_rows) {
    for (const AdaRevision revision : {ADA_95, ADA_2005, ADA_2012, ADA_2022}) {
      SCOPED_TRACE("revision " + std::to_string(revision));
      const ParseOutcome outcome = parse_text(modern.row.source, parse_compilation, "x.ada", revision);
      if (revision >= modern.since) {
        expect_units(modern.row, outcome);
      } else {
        SCOPED_TRACE(modern.row.what);
        EXPECT_EQ(outcome.exit_status, 7);
        // Refused as Ada 95, the source is said to read as Ada 2022.
        const std::string note =
            revision == ADA_95 ? "Note: \"x.ada\" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.\n" : "";
        EXPECT_EQ(outcome.err, modern.earlier_err + note);
      }
    }
  }
}

// After a library item, a configuration pragma opens the next compilation
// unit in every revision, as GNAT reads a file of several units: the item's
// unit ends with the last pragma before it.
TEST(ParseUnitsTest, ConfigurationPragmaOpensTheNextUnit) {
  const char* const source =
      "procedure P;\n"
      "pragma Inline (P);\n"
      "pragma ADA_2012;\n"
      "pragma Pure (P);\n"
      "package B is end B;\n"
      "pragma Elaborate_Body (B);\n"
      "pragma Source_Reference (1, \"b.ada\");\n"
      "with C;\n"
      "package D is end D;\n"
      "pragma Warnings (Off);\n";
  const UnitsRow row{"every revision",
                     source,
                     {{SPEC, "P", "P", IS_PROCEDURE | IS_DECLARATION, 2, 18},
                      {SPEC, "B", "B", PACKAGE_SPEC, 6, 26},
                      {SPEC, "D", "D", PACKAGE_SPEC, 9, 19, {"C"}}}};
  for (const AdaRevision revision : {ADA_95, ADA_2005, ADA_2012, ADA_2022}) {
    SCOPED_TRACE(static_cast<int>(revision));
    expect_units(row, parse_text(source, parse_compilation, "x.ada", revision));
  }
}

// A reserved word of a later revision is an identifier before it: the same
// source names its unit by it there and is a syntax error from then on.
struct WordRow {
  const char* word;
  AdaRevision reserved_from;
  const char* source;
  const char* unit_name;
  const char* reserved_err;
};

const WordRow word_rows[] = {
    {"interface", ADA_2005, "procedure Interface is begin null; end Interface;\n", "Interface",
     "x.ada:1:11: Syntax error while analysing, can't continue.\n"},
    {"overriding", ADA_2005, "package Overriding is end Overriding;\n", "Overriding",
     "x.ada:1:9: Syntax error while analysing, can't continue.\n"},
    {"synchronized", ADA_2005, "with Synchronized;\nprocedure P is begin null; end P;\n", "P",
     "x.ada:1:6: Syntax error while analysing, can't continue.\n"},
    {"some", ADA_2012, "package Some is X : Integer; end Some;\n", "Some",
     "x.ada:1:9: Syntax error while analysing, can't continue.\n"},
    {"parallel", ADA_2022, "procedure P is Parallel : Integer; begin Parallel := 1; end P;\n", "P",
     "x.ada:1:16: Syntax error while analysing, can't continue.\n"},
};

TEST(ParseUnitsTest, LaterReservedWordsAreIdentifiersBefore) {
  for (const WordRow& row : word_rows) {
    for (const AdaRevision revision : {ADA_95, ADA_2005, ADA_2012, ADA_2022}) {
      SCOPED_TRACE(std::string(row.word) + " in revision " + std::to_string(revision));
      const ParseOutcome outcome = parse_text(row.source, parse_compilation, "x.ada", revision);
      if (revision < row.reserved_from) {
        EXPECT_EQ(outcome.err, "");
        ASSERT_EQ(outcome.units.size(), 1u);
        EXPECT_EQ(outcome.units[0].full_name, row.unit_name);
      } else {
        EXPECT_EQ(outcome.exit_status, 7);
        EXPECT_EQ(outcome.err, row.reserved_err);
      }
    }
  }
}

// A file of many units, as the chopper receives it: every library unit and
// subunit in the order of their final semicolons, nothing nested.
TEST(ParseUnitsTest, MultiUnitFileYieldsItsUnitsInOrder) {
  const std::string text = file_text(FIXTURE_DIR "/grammar/containers.ada");
  const uint32_t child_spec = IS_CHILD | IS_DECLARATION;
  const UnitsRow row{
      "containers.ada",
      text.c_str(),
      {{SPEC, "Containers.Bounded", "Containers.Bounded", child_spec | IS_PACKAGE, 22, 23},
       {SPEC, "Containers.Exercise", "Containers.Exercise", child_spec | IS_GENERIC | IS_PROCEDURE, 45, 48},
       {SPEC, "Containers.Generic_Sqrt", "Containers.Generic_Sqrt", child_spec | IS_GENERIC | IS_FUNCTION, 49, 56},
       {SPEC, "Containers", "Containers", PACKAGE_SPEC, 52, 4},
       {BODY, "Containers.Bounded", "Containers.Bounded", IS_CHILD | PACKAGE_BODY, 94, 23},
       {PROC, "Containers.Bounded.Length", "Length", IS_SUBUNIT | IS_BODY | IS_FUNCTION, 100, 11},
       {BODY, "Containers.Bounded.Diagnostics", "Diagnostics", IS_SUBUNIT | PACKAGE_BODY, 110, 16},
       {BODY, "Containers.Bounded.Monitor", "Monitor", IS_SUBUNIT | IS_BODY | IS_TASK, 116, 12},
       {BODY, "Containers.Bounded.Guard", "Guard", IS_SUBUNIT | IS_BODY | IS_PROTECTED, 124, 10},
       {SPEC, "Containers.Sqrt", "Containers.Sqrt", IS_CHILD | IS_INSTANCE | IS_BODY | IS_FUNCTION, 127, 64,
        {"Containers.Generic_Sqrt"}},
       {SPEC, "Containers.Integer_Vectors", "Containers.Integer_Vectors", IS_CHILD | IS_INSTANCE | IS_PACKAGE, 134,
        25, {"Containers.Bounded"}},
       {SPEC, "Containers.Vectors", "Containers.Vectors", child_spec | IS_RENAMING | IS_PACKAGE, 136, 62, {},
        "Containers.Integer_Vectors"},
       {SPEC, "Containers.Generic_Vectors", "Containers.Generic_Vectors",
        IS_CHILD | IS_GENERIC | IS_RENAMING | IS_PACKAGE, 138, 70, {}, "Containers.Bounded"},
       {SPEC, "Containers.Root", "Containers.Root", child_spec | IS_GENERIC | IS_RENAMING | IS_FUNCTION, 140, 65,
        {}, "Containers.Generic_Sqrt"},
       {SPEC, "Containers.Square_Root", "Containers.Square_Root", child_spec | IS_RENAMING | IS_FUNCTION, 142, 81,
        {}, "Containers.Sqrt"},
       {SPEC, "Containers.Reset", "Containers.Reset", child_spec | IS_PROCEDURE, 145, 33},
       {SPEC, "Containers.Internal", "Containers.Internal", child_spec | IS_PACKAGE, 149, 24}}};
  expect_units(row, parse_text(text, parse_compilation));
}

// After every accepted source the parse is back at library level with no
// pending with clauses, whatever the source held.
TEST(ParseUnitsTest, AcceptedSourceLeavesTheParseStateClean) {
  for (const UnitsRow& row : units_rows) {
    SCOPED_TRACE(row.what);
    parse_text(row.source, parse_compilation);
    EXPECT_EQ(nesting_depth, 0);
    EXPECT_FALSE(in_subunit);
    EXPECT_EQ(pending_context, nullptr);
    EXPECT_EQ(name_stack_top(), nullptr);
  }
}

// The with clauses of one source never reach a unit of the next one.
TEST(ParseUnitsTest, EachSourceStartsWithoutPendingWithClauses) {
  const ParseOutcome first = parse_text("with A;\n", parse_compilation);
  EXPECT_EQ(first.exit_status, 7);
  const ParseOutcome second = parse_text("procedure P is begin null; end P;\n", parse_compilation);
  ASSERT_EQ(second.units.size(), 1u);
  EXPECT_EQ(second.units[0].context, std::vector<std::string>{});
}

}  // namespace
