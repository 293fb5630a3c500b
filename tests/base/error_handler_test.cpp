// Report layout, wrapping, positions with source lines and carets, and the two counts.
#include "base/error_handler.h"

#include <gtest/gtest.h>

#include <string>

#include "base/src_file.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

class ErrorHandlerTest : public ::testing::Test {
 protected:
  ERROR_HANDLER& handler() { return test.context.error_handler; }
  std::string output() { return test.take_output(); }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
};

TEST_F(ErrorHandlerTest, report_shows_heading_source_line_and_caret) {
  std::string lines = "int x;\n";
  for (int i = 2; i < 12; ++i) lines += "\n";
  lines += "    x = y;\n";
  SRC_FILE file(directory.write("prog.c", lines));
  handler().error_at(POSITION::make(&file, 12, 9), "Undefined name.");
  EXPECT_EQ(output(), "****** Error : Undefined name.\nLine 12 column 9 in " + file.path() +
                          " :\n    x = y;\n        ^\n------\n");
  EXPECT_EQ(handler().error_count(), 1);
}

TEST_F(ErrorHandlerTest, message_without_blanks_or_commas_stays_on_one_line) {
  std::string message(90, 'a');
  handler().error_without_position(message);
  EXPECT_EQ(output(), "****** Error : " + message + "\n------\n");
}

TEST_F(ErrorHandlerTest, blank_after_column_60_becomes_the_line_end) {
  // "Error" starts the count at 14: the 47th character ends at column 61.
  handler().error_without_position(std::string(47, 'a') + " bbb ccc");
  EXPECT_EQ(output(), "****** Error : " + std::string(47, 'a') + "\nbbb ccc\n------\n");
}

TEST_F(ErrorHandlerTest, comma_after_column_60_ends_the_line_after_it) {
  handler().error_without_position(std::string(46, 'a') + ",bbb");
  EXPECT_EQ(output(), "****** Error : " + std::string(46, 'a') + ",\nbbb\n------\n");
}

TEST_F(ErrorHandlerTest, warning_counts_from_its_longer_kind) {
  // "Warning" starts the count at 16: the blank after 45 characters is past column 60.
  handler().append(std::string(45, 'w') + " x");
  handler().warning();
  EXPECT_EQ(output(), "****** Warning : " + std::string(45, 'w') + "\nx\n------\n");
}

TEST_F(ErrorHandlerTest, newline_in_message_restarts_the_wrap_count) {
  handler().error_without_position(
      "Attempt to execute Program Constant Memory (PMC).\nThis is not allowed on the simulator.");
  EXPECT_EQ(output(),
            "****** Error : Attempt to execute Program Constant Memory (PMC).\n"
            "This is not allowed on the simulator.\n------\n");
}

TEST_F(ErrorHandlerTest, caret_keeps_the_tabs_of_the_source_line) {
  SRC_FILE file(directory.write("tabs.s", "\t\tADD R1,R2\n"));
  handler().error_at(POSITION::make(&file, 1, 3), "x");
  EXPECT_EQ(output(), "****** Error : x\nLine 1 column 3 in " + file.path() +
                          " :\n\t\tADD R1,R2\n\t\t^\n------\n");
}

TEST_F(ErrorHandlerTest, column_one_and_column_past_the_line_end) {
  SRC_FILE file(directory.write("a.s", "ab\r\ncd"));
  handler().add_position(POSITION::make(&file, 1, 1));
  handler().add_position(POSITION::make(&file, 2, 5));
  handler().append("two places");
  handler().error();
  std::string heading = " in " + file.path() + " :\n";
  EXPECT_EQ(output(), "****** Error : two places\nLine 1 column 1" + heading + "ab\n^\n" +
                          "Line 2 column 5" + heading + "cd\n    ^\n------\n");
}

TEST_F(ErrorHandlerTest, equal_positions_are_shown_once_in_the_order_added) {
  SRC_FILE file(directory.write("a.s", "one\ntwo\n"));
  handler().add_position(POSITION::make(&file, 2, 1));
  handler().add_position(POSITION::make(&file, 1, 2));
  handler().add_position(POSITION::make(&file, 2, 1));
  handler().append("m");
  handler().error();
  std::string heading = " in " + file.path() + " :\n";
  EXPECT_EQ(output(), "****** Error : m\nLine 2 column 1" + heading + "two\n^\nLine 1 column 2" +
                          heading + "one\n ^\n------\n");
  EXPECT_EQ(handler().first_position(), POSITION::make(&file, 2, 1));
}

TEST_F(ErrorHandlerTest, unreadable_file_prints_heading_and_cannot_read) {
  SRC_FILE file(directory.path() + "/missing.c");
  handler().error_at(POSITION::make(&file, 3, 4), "m");
  EXPECT_EQ(output(), "****** Error : m\nLine 3 column 4 in " + file.path() +
                          " :\nCannot read file \"" + file.path() + "\".\n------\n");
}

TEST_F(ErrorHandlerTest, line_beyond_a_shortened_file_shows_an_empty_line) {
  SRC_FILE file(directory.write("short.s", "only\n"));
  handler().error_at(POSITION::make(&file, 9, 2), "m");
  EXPECT_EQ(output(), "****** Error : m\nLine 9 column 2 in " + file.path() + " :\n\n ^\n------\n");
}

TEST_F(ErrorHandlerTest, verbose_mode_announces_the_reading_of_the_source_line) {
  SRC_FILE file(directory.write("v.s", "  NOP\n"));
  test.context.echo.verbose = true;
  handler().error_at(POSITION::make(&file, 1, 3), "m");
  EXPECT_EQ(output(), "****** Error : m\nLine 1 column 3 in " + file.path() +
                          " :\nTrying to read file \"" + file.path() + "\".\nClosing file \"" +
                          file.path() + "\".\n  NOP\n  ^\n------\n");
}

TEST_F(ErrorHandlerTest, position_without_file_prints_nothing_but_is_first_position) {
  handler().error_at(POSITION{}, "m");
  EXPECT_EQ(output(), "****** Error : m\n------\n");
  EXPECT_TRUE(handler().first_position().has_value());
}

TEST_F(ErrorHandlerTest, reset_clears_counts_and_first_position) {
  SRC_FILE file("x.s");
  handler().error_at(POSITION::make(&file, 1, 1), "e");
  handler().reset();
  EXPECT_EQ(handler().error_count(), 0);
  EXPECT_FALSE(handler().first_position().has_value());
  handler().warning_at(POSITION{}, "w");
  EXPECT_EQ(handler().warning_count(), 1);
  EXPECT_EQ(handler().error_count(), 0);
}

TEST_F(ErrorHandlerTest, messages_are_built_from_pieces_and_numbers) {
  handler().append("R").append(40).append(" : no such register.");
  handler().error();
  EXPECT_EQ(output(), "****** Error : R40 : no such register.\n------\n");
}

TEST(PositionTest, between_near_and_at) {
  SRC_FILE file("lib/a.c");
  SRC_FILE other("b.c");
  POSITION start = POSITION::make(&file, 3, 5);
  POSITION end = POSITION::make(&file, 5, 2);
  EXPECT_TRUE(is_between(POSITION::make(&file, 3, 5), start, end));
  EXPECT_TRUE(is_between(POSITION::make(&file, 4, 99), start, end));
  EXPECT_TRUE(is_between(POSITION::make(&file, 5, 2), start, end));
  EXPECT_FALSE(is_between(POSITION::make(&file, 3, 4), start, end));
  EXPECT_FALSE(is_between(POSITION::make(&file, 5, 3), start, end));
  EXPECT_FALSE(is_between(POSITION::make(&other, 4, 1), start, end));

  EXPECT_TRUE(is_near(start, POSITION::make(&file, 3, 8), 3));
  EXPECT_FALSE(is_near(start, POSITION::make(&file, 3, 9), 3));
  EXPECT_FALSE(is_near(start, POSITION::make(&file, 3, 4), 3));
  EXPECT_FALSE(is_near(start, POSITION::make(&file, 4, 5), 3));

  EXPECT_TRUE(is_at(start, "lib/a.c", 3));
  EXPECT_FALSE(is_at(start, "a.c", 3));
  EXPECT_FALSE(is_at(POSITION{}, "lib/a.c", 0));
  EXPECT_EQ(start.shifted(2), POSITION::make(&file, 3, 7));
}

TEST(PositionTest, lines_beyond_sixteen_bits_keep_their_number) {
  SRC_FILE file("big.c");
  POSITION far = POSITION::make(&file, 65537, 70000);
  EXPECT_EQ(far.line, 65537);
  EXPECT_EQ(far.column, 70000);
  EXPECT_FALSE(is_at(far, "big.c", 1));
}

}  // namespace
