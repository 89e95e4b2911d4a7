#include "analysis/ac_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/ac_mem.h"
#include "driver/run_settings.h"

namespace {

// Starts every case with an empty unit list, stack and prefix.
class AcTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    units_free_all();
    while (name_stack_top() != nullptr) name_stack_pop();
    set_name_prefix(nullptr);
    current_source_name = "units.ada";
  }
  void TearDown() override { SetUp(); }
};

std::vector<std::string> names_of(const NameItem* list) {
  std::vector<std::string> names;
  for (; list != nullptr; list = list->next) names.push_back(list->name);
  return names;
}

struct NamingCase {
  const char* prefix;
  const char* name;
  const char* full_name;
  const char* simple_name;
};

TEST_F(AcTreeTest, FullNameCombinesPrefixAndNameWithoutChecks) {
  const NamingCase cases[] = {
      {"P", "Q", "P.Q", "Q"},
      {nullptr, "R", "R", "R"},
      {nullptr, "A.B", "A.B", "A.B"},
      {"P", "A.B", "P.A.B", "A.B"},
      {"Outer.Inner", "sub", "Outer.Inner.sub", "sub"},
  };
  for (const NamingCase& c : cases) {
    set_name_prefix(c.prefix);
    Unit* unit = unit_add(c.name, SPEC, 0, nullptr);
    ASSERT_NE(unit, nullptr);
    EXPECT_STREQ(unit->full_name, c.full_name) << c.name;
    EXPECT_STREQ(unit->simple_name, c.simple_name) << c.name;
    EXPECT_STREQ(unit->source_file, "units.ada");
  }
}

TEST_F(AcTreeTest, ClearingThePrefixKeepsEarlierFullNames) {
  set_name_prefix("P");
  Unit* first = unit_add("Q", BODY, 0, nullptr);
  set_name_prefix(nullptr);
  Unit* second = unit_add("R", PROC, 0, nullptr);
  EXPECT_STREQ(first->full_name, "P.Q");
  EXPECT_STREQ(second->full_name, "R");
  EXPECT_STREQ(second->simple_name, "R");
}

TEST_F(AcTreeTest, UnitListKeepsCreationOrderAndIgnoresAbsentNames) {
  EXPECT_EQ(units_first(), nullptr);
  EXPECT_EQ(unit_add(nullptr, SPEC, 0, nullptr), nullptr);
  EXPECT_EQ(units_first(), nullptr);
  EXPECT_EQ(units_last(), nullptr);

  Unit* a = unit_add("A", SPEC, 3, nullptr);
  Unit* b = unit_add("B", BODY, 0, nullptr);
  NameItem* context = name_item_new("Kept");
  EXPECT_EQ(unit_add(nullptr, SPEC, 0, context), nullptr);
  EXPECT_EQ(units_first(), a);
  EXPECT_EQ(units_last(), b);
  EXPECT_EQ(a->next, b);
  EXPECT_EQ(b->next, nullptr);
  EXPECT_EQ(a->properties, 3u);
  EXPECT_EQ(a->end_line, 0u);
  EXPECT_EQ(a->renaming_target, nullptr);
  EXPECT_EQ(names_of(context), std::vector<std::string>{"Kept"});  // still the caller's
  name_items_free(context);
}

TEST_F(AcTreeTest, FreeAllEmptiesTheListAndAFreshListStarts) {
  unit_add("A", SPEC, 0, name_item_prepend("C", name_item_prepend("B", name_item_new("A"))));
  unit_add("B", BODY, 0, nullptr);
  units_free_all();
  EXPECT_EQ(units_first(), nullptr);
  EXPECT_EQ(units_last(), nullptr);
  Unit* fresh = unit_add("C", SPEC, 0, nullptr);
  EXPECT_EQ(units_first(), fresh);
  EXPECT_EQ(units_last(), fresh);
}

TEST_F(AcTreeTest, FirstCompleteEndPositionStays) {
  struct EndCase {
    SourcePosition before;
    SourcePosition given;
    uint32_t line, column;
  } cases[] = {
      {{0, 0}, {4, 7}, 4, 7},    // not yet known: set
      {{5, 0}, {6, 2}, 6, 2},    // half known: both replaced
      {{0, 3}, {6, 2}, 6, 2},
      {{4, 7}, {9, 1}, 4, 7},    // complete: unchanged
  };
  for (const EndCase& c : cases) {
    Unit* unit = unit_add("U", SPEC, 0, nullptr);
    unit->end_line = static_cast<uint32_t>(c.before.line);
    unit->end_column = static_cast<uint32_t>(c.before.column);
    unit_set_end(unit, c.given);
    EXPECT_EQ(unit->end_line, c.line);
    EXPECT_EQ(unit->end_column, c.column);
  }
  unit_set_end(nullptr, {1, 1});  // no unit: nothing happens
}

TEST_F(AcTreeTest, Concat3JoinsOrAnswersAbsent) {
  struct ConcatCase {
    const char* a;
    const char* b;
    const char* c;
    const char* expected;
  } cases[] = {
      {"A", ".", "B", "A.B"},
      {"X", "'", "digits", "X'digits"},
      {"", ".", "", "."},
      {nullptr, ".", "B", nullptr},
      {"A", ".", nullptr, nullptr},
  };
  for (const ConcatCase& c : cases) {
    char* result = concat3(c.a, c.b, c.c);
    if (c.expected == nullptr) {
      EXPECT_EQ(result, nullptr);
    } else {
      ASSERT_NE(result, nullptr);
      EXPECT_STREQ(result, c.expected);
    }
    ac_free(result);
  }
}

TEST_F(AcTreeTest, PrependBuildsTheListInReverseOrderOfCalls) {
  NameItem* list = name_item_prepend("B", name_item_new("A"));
  EXPECT_EQ(names_of(list), (std::vector<std::string>{"B", "A"}));
  name_items_free(list);
  name_items_free(nullptr);
}

TEST_F(AcTreeTest, NameStackPushesCopiesAndPopsWithTheirContext) {
  EXPECT_FALSE(name_stack_push(nullptr, 1));
  EXPECT_EQ(name_stack_top(), nullptr);
  name_stack_pop();  // empty: no effect
  EXPECT_EQ(name_stack_top(), nullptr);

  std::string outer = "Outer";
  ASSERT_TRUE(name_stack_push(outer.c_str(), 1));
  outer[1] = 'X';  // the entry holds its own copy
  ASSERT_TRUE(name_stack_push("Inner", 2));
  name_stack_top()->context = name_item_prepend("C", name_item_prepend("B", name_item_new("A")));
  EXPECT_STREQ(name_stack_top()->name, "Inner");
  EXPECT_EQ(name_stack_top()->properties, 2);
  name_stack_pop();  // releases the three-name context as well
  ASSERT_NE(name_stack_top(), nullptr);
  EXPECT_STREQ(name_stack_top()->name, "Outer");
  EXPECT_EQ(name_stack_top()->context, nullptr);

  // Reset forgets the entries without releasing them.
  NameStackEntry* forgotten = name_stack_top();
  name_stack_reset();
  EXPECT_EQ(name_stack_top(), nullptr);
  EXPECT_STREQ(forgotten->name, "Outer");
  ac_free(forgotten->name);
  ac_free(forgotten);
}

TEST_F(AcTreeTest, UnitOwnsItsContextList) {
  Unit* unit = unit_new("U", SPEC, 0, name_item_prepend("A", name_item_prepend("B", name_item_new("C"))));
  EXPECT_EQ(names_of(unit->context), (std::vector<std::string>{"A", "B", "C"}));
  unit_free(unit);  // the sanitizer build reports a leak or double free here
}

// A source's units fill many blocks of the list's store; every unit keeps
// its own names, and a unit made after the source name changed records the
// new one.
TEST_F(AcTreeTest, EveryUnitOfALongListKeepsItsNames) {
  constexpr int count = 5000;
  set_name_prefix("Parent_Unit_With_A_Long_Name");
  for (int i = 0; i < count; ++i) {
    const std::string name = "Unit_" + std::to_string(i);
    unit_add(name.c_str(), BODY, 0, name_item_new(("With_" + std::to_string(i)).c_str()));
    if (i == count / 2) current_source_name = "second.ada";
  }
  set_name_prefix(nullptr);
  int i = 0;
  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next, ++i) {
    const std::string name = "Unit_" + std::to_string(i);
    ASSERT_STREQ(unit->simple_name, name.c_str());
    ASSERT_STREQ(unit->full_name, ("Parent_Unit_With_A_Long_Name." + name).c_str());
    ASSERT_STREQ(unit->source_file, i <= count / 2 ? "units.ada" : "second.ada");
    ASSERT_EQ(names_of(unit->context), std::vector<std::string>{"With_" + std::to_string(i)});
  }
  EXPECT_EQ(i, count);
}

}  // namespace
