// Source inspection after builds that leave no storage media: names answer with their own
// text, constants with their value, never a crash.
#include "codegen/source_inspection.h"

#include <gtest/gtest.h>

#include "support/build_fixture.h"

namespace {

class SOURCE_INSPECTION : public BuildTest {
 protected:
  std::string about(int line, int column) {
    return about_text(context.codegen, file(path), line, column);
  }
  std::string path;
};

const char* const program =
    "int g = 5;\n"
    "int main(void)\n"
    "{\n"
    "  int x;\n"
    "  x = g + 7;\n"
    "  return x;\n"
    "}\n";

}  // namespace

TEST_F(SOURCE_INSPECTION, a_built_program_answers_with_media_and_a_failed_build_with_names) {
  path = add_source("prog.c", program);
  build();
  ASSERT_EQ(errors(), 0) << output();
  EXPECT_EQ(about(5, 3), "0 (in RAM 0x00)");
  EXPECT_EQ(about(5, 7), "0 (in R6)") << "a global in a register";
  run();
  EXPECT_EQ(about(5, 3), "12 (in RAM 0x00)") << "read from the machine at the query";
  EXPECT_EQ(about(5, 11), "7 (in immediate)");
  EXPECT_EQ(about(6, 3), "return");

  std::string broken = program;
  broken.replace(broken.find("g + 7"), 1, "h");
  edit("prog.c", broken);
  build();
  ASSERT_GT(errors(), 0);
  EXPECT_EQ(about(5, 3), "x");
  EXPECT_EQ(about(5, 7), "h");
  EXPECT_EQ(about(5, 11), "7");
  EXPECT_EQ(about(1, 5), "g");
  EXPECT_EQ(about(6, 3), "return");
  EXPECT_EQ(about(4, 1), "");
}

// A member answers like a variable: the word it names now, in the debugger form, reached
// through a named structure or through a pointer; a failed build answers its name.
TEST_F(SOURCE_INSPECTION, a_member_answers_with_its_word_through_a_name_or_a_pointer) {
  const std::string source =
      "struct ring { int head; int tail; int count; };\n"
      "struct ring b;\n"
      "int main(void)\n"
      "{\n"
      "  struct ring *p = &b;\n"
      "  b.head = 3;\n"
      "  p->count = 4;\n"
      "  return b.tail;\n"
      "}\n";
  path = add_source("prog.c", source);
  build();
  ASSERT_EQ(errors(), 0) << output();
  run();
  const std::string head = about(6, 6);
  const std::string count = about(7, 8);
  ASSERT_EQ(head.rfind("3 (in RAM 0x", 0), 0u) << head;
  ASSERT_EQ(count.rfind("4 (in RAM 0x", 0), 0u) << count;
  const auto address = [](const std::string& text) {
    return std::stoi(text.substr(text.find("0x") + 2), nullptr, 16);
  };
  EXPECT_EQ(address(count) - address(head), 2) << "count is two words after head";
  const std::string tail = about(8, 12);
  EXPECT_EQ(tail.rfind("0 (in RAM 0x", 0), 0u) << tail;
  EXPECT_EQ(address(tail), address(head) + 1) << "tail is the word after head";

  std::string broken = source;
  broken.replace(broken.find("b.tail"), 6, "b.tale");
  edit("prog.c", broken);
  build();
  ASSERT_GT(errors(), 0);
  EXPECT_EQ(about(6, 6), "head");
  EXPECT_EQ(about(7, 8), "count");
}
