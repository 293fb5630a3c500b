// The assembler's cursors: a newline at every line end of a file, 0 at the end, and positions
// that follow lines and columns from wherever the text starts.
#include "assembler/asm_cursor.h"

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
  ASM_SOURCE_TEXT text("AB\n\nC");
  SRC_FILE file("prog.s");
  ASM_FILE_CURSOR cursor(text, &file);
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
  ASM_SOURCE_TEXT text("");
  ASM_FILE_CURSOR cursor(text, nullptr);
  EXPECT_TRUE(cursor.at_end());
  EXPECT_EQ(cursor.current(), '\0');
  cursor.skip_blanks();
  EXPECT_TRUE(cursor.at_end());
}

TEST(AsmFileCursor, skip_blanks_crosses_blocks_and_counts_columns) {
  ASM_SOURCE_TEXT text(" \t  X \n", 2);
  ASM_FILE_CURSOR cursor(text, nullptr);
  cursor.skip_blanks();
  EXPECT_EQ(cursor.current(), 'X');
  EXPECT_EQ(cursor.column(), 5);
  cursor.advance();
  cursor.skip_blanks();
  EXPECT_EQ(cursor.current(), '\n');
  EXPECT_EQ(cursor.column(), 7);
}

TEST(AsmFileCursor, an_embedded_zero_byte_is_not_the_end) {
  ASM_SOURCE_TEXT text(std::string_view("A\0B", 3));
  ASM_FILE_CURSOR cursor(text, nullptr);
  EXPECT_EQ(walk(cursor).size(), 4u);
}

TEST(AsmFileCursor, skip_line_stops_on_the_newline) {
  ASM_SOURCE_TEXT text("NOP ; comment\nX\n");
  ASM_FILE_CURSOR cursor(text, nullptr);
  cursor.skip_line();
  EXPECT_EQ(cursor.current(), '\n');
  EXPECT_EQ(cursor.column(), 14);
  cursor.skip_line();  // already there
  EXPECT_EQ(cursor.column(), 14);
  cursor.advance();
  EXPECT_EQ(cursor.current(), 'X');
}

// Blocks of one to three characters put line ends, CR LF included, across block boundaries.
TEST(AsmFileCursor, line_ends_of_every_kind_read_alike_across_blocks) {
  const std::vector<SEEN> expected{{'A', 1, 1},  {'B', 1, 2},  {'\n', 1, 3}, {'C', 2, 1},
                                   {'\n', 2, 2}, {'\n', 3, 1}, {'D', 4, 1},  {'\n', 4, 2}};
  for (const char* source : {"AB\nC\n\nD\n", "AB\r\nC\r\r\nD", "AB\rC\n\rD\r"}) {
    for (size_t block_size : {1, 2, 3, 64}) {
      ASM_SOURCE_TEXT text(source, block_size);
      ASM_FILE_CURSOR cursor(text, nullptr);
      EXPECT_EQ(walk(cursor), expected)
          << testing::PrintToString(source) << " in blocks of " << block_size;
    }
  }
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
