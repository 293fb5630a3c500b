// The C parser's character reader and lexical operations, fed lines through load_text: the
// cursor's walk over lines, empty lines and the end, the operators that step back on a partial
// match, the keyword look-ahead and the numeric scanners' values, positions and suffixes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cfront/c_parser.h"
#include "cfront/c_stops.h"
#include "cfront/constant.h"
#include "support/test_context.h"

namespace {

class C_READER : public testing::Test {
 protected:
  C_PARSER& load(std::vector<std::string> lines) {
    parser.load_text(std::move(lines));
    return parser;
  }
  void expect_cursor(int line, int column, char c) {
    EXPECT_EQ(line, parser.line());
    EXPECT_EQ(column, parser.column());
    EXPECT_EQ(c, parser.current()) << "at line " << line << " column " << column;
  }
  int errors() const { return test.context.error_handler.error_count(); }

  TEST_CONTEXT test;
  C_PARSER parser{test.context.c_program};
};

TEST_F(C_READER, next_char_yields_a_newline_after_each_line_and_0_after_the_last) {
  load({"ab", "", "c"});
  expect_cursor(1, 1, 'a');
  parser.next_char();
  expect_cursor(1, 2, 'b');
  parser.next_char();
  expect_cursor(1, 3, '\n');
  parser.next_char();
  expect_cursor(2, 1, '\n');
  parser.next_char();
  expect_cursor(3, 1, 'c');
  parser.next_char();
  expect_cursor(3, 2, '\n');
  parser.next_char();
  EXPECT_TRUE(parser.at_end_of_file());
  EXPECT_EQ(0, parser.current());
  parser.next_char();
  EXPECT_EQ(0, parser.current());
}

TEST_F(C_READER, previous_char_goes_back_over_line_ends_down_to_column_0) {
  load({"ab", "", "c"});
  parser.set_cursor(3, 1);
  parser.previous_char();
  expect_cursor(2, 1, '\n');
  parser.previous_char();
  expect_cursor(1, 3, '\n');
  parser.previous_char();
  expect_cursor(1, 2, 'b');
  parser.set_cursor(1, 1);
  parser.previous_char();
  expect_cursor(1, 0, 0);
  parser.next_char();
  expect_cursor(1, 1, 'a');
}

TEST_F(C_READER, an_empty_text_is_at_its_end_at_once_and_a_nul_byte_is_not_the_end) {
  load({});
  EXPECT_TRUE(parser.at_end_of_file());
  EXPECT_EQ(0, parser.current());
  load({std::string("a\0b", 3)});
  parser.next_char();
  EXPECT_EQ(0, parser.current());
  EXPECT_FALSE(parser.at_end_of_file());
  parser.next_char();
  EXPECT_EQ('b', parser.current());
}

TEST_F(C_READER, blanks_and_comments_are_skipped_and_a_lone_slash_stays) {
  load({"  /* a /* b */ c", "/x"});
  parser.skip_blanks();
  expect_cursor(1, 16, 'c');
  parser.set_cursor(2, 1);
  parser.skip_blanks();
  expect_cursor(2, 1, '/');
  EXPECT_EQ(0, errors());
}

TEST_F(C_READER, a_comment_left_open_is_reported_at_the_end_of_the_file) {
  load({"/* open", "still"});
  parser.skip_blanks();
  EXPECT_TRUE(parser.at_end_of_file());
  EXPECT_EQ(1, errors());
  EXPECT_NE(std::string::npos,
            test.take_output().find("End of file reached while reading comment."));
}

TEST_F(C_READER, match_two_and_match_three_step_back_on_a_partial_match) {
  load({"<<x"});
  EXPECT_FALSE(parser.match_two('<', '='));
  expect_cursor(1, 1, '<');
  EXPECT_FALSE(parser.match_three('<', '<', '='));
  expect_cursor(1, 1, '<');
  EXPECT_TRUE(parser.match_two('<', '<'));
  expect_cursor(1, 3, 'x');
  load({"  >>= y"});
  parser.skip_blanks();
  EXPECT_TRUE(parser.match_three('>', '>', '='));
  EXPECT_EQ(3, parser.token_start().column);
  expect_cursor(1, 7, 'y');
}

TEST_F(C_READER, match_keyword_skips_blanks_only_after_a_blank_newline_or_minus) {
  load({"return(x)"});
  EXPECT_TRUE(parser.match_keyword("return"));
  expect_cursor(1, 7, '(');
  load({"returnx"});
  EXPECT_FALSE(parser.match_keyword("return"));
  expect_cursor(1, 1, 'r');
  load({"ret"});
  EXPECT_FALSE(parser.match_keyword("return"));
  expect_cursor(1, 1, 'r');
  load({"return", "  x"});
  EXPECT_TRUE(parser.match_keyword("return"));
  expect_cursor(2, 3, 'x');
  load({"return/**/x"});
  EXPECT_TRUE(parser.match_keyword("return"));
  expect_cursor(1, 7, '/');
  // Not first on its line, so the preprocessor leaves it to the parser.
  load({";#endasm_"});
  parser.next_char();
  EXPECT_FALSE(parser.match_keyword("#endasm"));
  expect_cursor(1, 2, '#');
}

TEST_F(C_READER, next_word_is_peeks_without_moving) {
  load({"else x"});
  EXPECT_TRUE(parser.next_word_is("else"));
  EXPECT_FALSE(parser.next_word_is("elsewhere"));
  expect_cursor(1, 1, 'e');
}

TEST_F(C_READER, expect_char_reports_where_the_expectation_began) {
  load({"x", "  y"});
  parser.next_char();
  parser.expect_char(';');
  EXPECT_EQ(1, errors());
  EXPECT_NE(std::string::npos, test.take_output().find("; expected."));
  expect_cursor(1, 2, '\n');
}

TEST_F(C_READER, reserved_words_are_no_identifiers) {
  load({"while x"});
  EXPECT_FALSE(parser.read_identifier());
  expect_cursor(1, 1, 'w');
  load({"_a1  b"});
  EXPECT_TRUE(parser.read_identifier());
  EXPECT_EQ("_a1", parser.name_text());
  EXPECT_EQ(3, parser.name_last_position().column);
  EXPECT_EQ(parser.interned_name(), test.context.c_program.intern("_a1"));
  expect_cursor(1, 6, 'b');
}

struct SCANNED {
  int32_t value;
  bool is_unsigned;
  int last_column;
};

SCANNED scanned(const DECIMAL_CONSTANT* constant) {
  return SCANNED{constant->value, constant->is_unsigned, constant->last.column};
}

TEST_F(C_READER, hexadecimal_and_binary_constants_take_their_plain_value_and_a_suffix) {
  const std::vector<std::pair<std::string, SCANNED>> cases{
      {"0x7F", {127, false, 4}}, {"0x80", {128, false, 4}}, {"0xFF", {255, false, 4}},
      {"0x80u", {128, true, 5}}, {"0X1a;", {26, false, 4}}, {"0x;", {0, false, 2}},
      {"0b101", {5, false, 5}},  {"0B11UL", {3, true, 6}},  {"0b102", {2, false, 4}},
      {"0x10l", {16, false, 5}}};
  for (const auto& [text, expected] : cases) {
    load({text});
    ASSERT_TRUE(parser.read_prefixed()) << text;
    SCANNED got = scanned(parser.last_constant());
    EXPECT_EQ(expected.value, got.value) << text;
    EXPECT_EQ(expected.is_unsigned, got.is_unsigned) << text;
    EXPECT_EQ(expected.last_column, got.last_column) << text;
    EXPECT_EQ(1, parser.last_constant()->first.column) << text;
  }
}

TEST_F(C_READER, octal_and_decimal_constants_and_what_follows_them) {
  load({"017 +"});
  EXPECT_FALSE(parser.read_prefixed());
  expect_cursor(1, 1, '0');
  ASSERT_TRUE(parser.read_octal());
  EXPECT_EQ(15, parser.last_constant()->value);
  expect_cursor(1, 5, '+');
  load({"09"});
  ASSERT_TRUE(parser.read_octal());
  EXPECT_EQ(9, parser.last_constant()->value);
  load({"0L+"});
  ASSERT_TRUE(parser.read_octal());
  EXPECT_EQ(0, parser.last_constant()->value);
  expect_cursor(1, 3, '+');
  load({"0"});
  EXPECT_FALSE(parser.read_decimal());
  load({"1234)"});
  ASSERT_TRUE(parser.read_decimal());
  EXPECT_EQ(1234, parser.last_constant()->value);
  EXPECT_EQ(4, parser.last_constant()->last.column);
}

TEST_F(C_READER, values_past_the_32_bit_signed_range_are_marked) {
  load({"2147483647"});
  ASSERT_TRUE(parser.read_decimal());
  EXPECT_FALSE(parser.last_constant()->beyond_32_bits);
  load({"2147483648"});
  ASSERT_TRUE(parser.read_decimal());
  EXPECT_TRUE(parser.last_constant()->beyond_32_bits);
  load({"0x100000000"});
  ASSERT_TRUE(parser.read_prefixed());
  EXPECT_TRUE(parser.last_constant()->beyond_32_bits);
  load({std::string(100000, '7')});
  ASSERT_TRUE(parser.read_decimal());
  EXPECT_TRUE(parser.last_constant()->beyond_32_bits);
}

// Long is the int width here: an L only ends the constant; a U makes it unsigned.
TEST_F(C_READER, unsigned_and_long_suffixes_in_either_order) {
  const std::vector<std::pair<std::string, SCANNED>> cases{
      {"10L", {10, false, 3}}, {"10u", {10, true, 3}}, {"017U", {15, true, 4}},
      {"7lu", {7, true, 3}},   {"7Ul", {7, true, 3}},  {"7uu", {7, true, 2}}};
  for (const auto& [text, expected] : cases) {
    load({text});
    ASSERT_TRUE(parser.read_octal() || parser.read_decimal()) << text;
    SCANNED got = scanned(parser.last_constant());
    EXPECT_EQ(expected.value, got.value) << text;
    EXPECT_EQ(expected.is_unsigned, got.is_unsigned) << text;
    EXPECT_EQ(expected.last_column, got.last_column) << text;
  }
  EXPECT_EQ(0, errors());
}

TEST_F(C_READER, character_constants_and_their_escapes) {
  const std::vector<std::pair<std::string, int32_t>> cases{
      {"'a'", 97},    {"'\\n'", 10},   {"'\\0'", 0},   {"'\\x41'", 65}, {"'\\''", 39},
      {"'\\\\'", 92}, {"'\\101'", 65}, {"'\\\"'", 34}, {"'\"'", 34},    {"'\\x7f'", 127}};
  for (const auto& [text, value] : cases) {
    load({text + "+"});
    ASSERT_TRUE(parser.read_character()) << text;
    EXPECT_EQ(value, parser.last_constant()->value) << text;
    EXPECT_EQ(static_cast<int>(text.size()), parser.last_constant()->last.column) << text;
    expect_cursor(1, static_cast<int>(text.size()) + 1, '+');
  }
  for (const char* text : {"''", "'ab'", "'\\q'"}) {
    load({text});
    EXPECT_THROW(parser.read_character(), C_PARSE_ABANDONED) << text;
  }
  EXPECT_EQ(3, errors());
}

TEST_F(C_READER, skip_to_end_of_statement_stops_after_a_semicolon_or_before_a_brace) {
  load({"a b ; c", "d } e"});
  parser.skip_to_end_of_statement();
  expect_cursor(1, 7, 'c');
  parser.skip_to_end_of_statement();
  expect_cursor(2, 3, '}');
}

TEST_F(C_READER, nesting_beyond_the_limit_is_an_error_that_abandons_the_parse) {
  load({"x"});
  std::vector<std::unique_ptr<C_PARSER::NESTED>> levels;
  for (int level = 0; level < nesting_limit; ++level)
    levels.push_back(std::make_unique<C_PARSER::NESTED>(parser));
  EXPECT_EQ(0, errors());
  EXPECT_THROW(C_PARSER::NESTED too_deep(parser), C_PARSE_ABANDONED);
  EXPECT_EQ(1, errors());
  EXPECT_EQ(nesting_limit, parser.nesting);
  levels.clear();
  EXPECT_EQ(0, parser.nesting);
}

}  // namespace
