// The assembler's cursors: a newline after every line of a file, 0 at the end, and positions
// that follow lines and columns from wherever the text starts.
#include "isa/asm_cursor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/src_file.h"

namespace {

struct SEEN {
  char c;
  int line;
  int column;
  bool operator==(const SEEN&) const = default;
};

std::vector<SEEN> walk(ASM_CURSOR& cursor) {
  std::vector<SEEN> seen;
  while (!cursor.at_end()) {
    seen.push_back({cursor.current(), cursor.position().line, cursor.position().column});
    cursor.advance();
  }
  return seen;
}

TEST(AsmFileCursor, yields_a_newline_after_each_line_and_at_once_for_an_empty_line) {
  const std::vector<std::string> lines{"AB", "", "C"};
  SRC_FILE file("prog.s");
  ASM_FILE_CURSOR cursor(lines, &file);
  EXPECT_EQ(cursor.position().source_file, &file);
  EXPECT_EQ(walk(cursor),
            (std::vector<SEEN>{
                {'A', 1, 1}, {'B', 1, 2}, {'\n', 1, 3}, {'\n', 2, 1}, {'C', 3, 1}, {'\n', 3, 2}}));
  EXPECT_EQ(cursor.current(), '\0');
  cursor.advance();  // past the end it stays at the end
  EXPECT_TRUE(cursor.at_end());
  EXPECT_EQ(cursor.current(), '\0');
}

TEST(AsmFileCursor, a_file_without_lines_is_at_its_end_at_once) {
  const std::vector<std::string> lines;
  ASM_FILE_CURSOR cursor(lines, nullptr);
  EXPECT_TRUE(cursor.at_end());
  EXPECT_EQ(cursor.current(), '\0');
}

TEST(AsmFileCursor, an_embedded_zero_byte_is_not_the_end) {
  const std::vector<std::string> lines{std::string("A\0B", 3)};
  ASM_FILE_CURSOR cursor(lines, nullptr);
  EXPECT_EQ(walk(cursor).size(), 4u);
}

TEST(AsmFileCursor, skip_line_stops_on_the_newline) {
  const std::vector<std::string> lines{"NOP ; comment", "X"};
  ASM_FILE_CURSOR cursor(lines, nullptr);
  cursor.skip_line();
  EXPECT_EQ(cursor.current(), '\n');
  EXPECT_EQ(cursor.column(), 14);
  cursor.skip_line();  // already there
  EXPECT_EQ(cursor.column(), 14);
  cursor.advance();
  EXPECT_EQ(cursor.current(), 'X');
}

TEST(AsmTextCursor, counts_lines_and_columns_from_its_start) {
  ASM_TEXT_CURSOR cursor("A\nBC", POSITION::make(nullptr, 4, 10));
  EXPECT_EQ(walk(cursor),
            (std::vector<SEEN>{{'A', 4, 10}, {'\n', 4, 11}, {'B', 5, 1}, {'C', 5, 2}}));
  EXPECT_EQ(cursor.current(), '\0');
  EXPECT_EQ(cursor.position(), POSITION::make(nullptr, 5, 3));
}

TEST(AsmTextCursor, skip_line_goes_to_the_newline_or_the_end) {
  ASM_TEXT_CURSOR cursor("ab\ncd", POSITION::make(nullptr, 1, 1));
  cursor.skip_line();
  EXPECT_EQ(cursor.current(), '\n');
  cursor.advance();
  cursor.skip_line();
  EXPECT_TRUE(cursor.at_end());
}

}  // namespace
