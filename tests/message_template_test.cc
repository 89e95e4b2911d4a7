// print_message_template: the template's %s takes the text's bytes, and
// nothing else in the template or the text is read as a format.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "driver/messages.h"
#include "tests/stream_capture.h"

namespace {

struct TemplateRow {
  const char* name;
  const char* text;      // bytes, through local_text
  const char* tmpl;      // null: no template
  std::string expected;  // what reaches the stream
};

void PrintTo(const TemplateRow& row, std::ostream* out) { *out << row.name; }

const TemplateRow template_rows[] = {
    {"NoTemplate", "plain text\n", nullptr, "plain text\n"},
    {"EmptyTemplate", "plain text\n", "", "plain text\n"},
    {"TextInTheSlot", "/tmp/lib/locale", "Fatal Error: directory doesn't exist '%s'\n",
     "Fatal Error: directory doesn't exist '/tmp/lib/locale'\n"},
    {"FormatsInTheTextStayBytes", "/d\xC3\xA9j%s%d%n/\xE9", "<%s>", "</d\xC3\xA9j%s%d%n/\xE9>"},
    {"OtherDirectivesInTheTemplateStayText", "x", "%d %% %s %s", "%d %% x %s"},
    {"TemplateWithoutSlot", "x", "no slot\n", "no slot\n"},
};

class MessageTemplateTest : public ::testing::TestWithParam<TemplateRow> {};

TEST_P(MessageTemplateTest, WritesTheTemplateWithTheTextInItsSlot) {
  const TemplateRow& row = GetParam();
  StreamCapture err(stderr);
  print_message_template(stderr, local_text(row.text), row.tmpl);
  std::fflush(stderr);
  EXPECT_EQ(err.text(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, MessageTemplateTest, ::testing::ValuesIn(template_rows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
