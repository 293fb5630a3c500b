// Whole-argument integers: blanks and sign around decimal digits, nothing else, and no wrapping.
#include "driver/integer_argument.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr long long largest = std::numeric_limits<long long>::max();

TEST(IntegerArgument, reads_plain_decimal_digits) {
  EXPECT_EQ(parse_integer_argument("16"), 16);
  EXPECT_EQ(parse_integer_argument("0"), 0);
  EXPECT_EQ(parse_integer_argument("007"), 7);
}

TEST(IntegerArgument, accepts_blanks_around_and_a_sign_before_the_digits) {
  EXPECT_EQ(parse_integer_argument(" +16 "), 16);
  EXPECT_EQ(parse_integer_argument("\t-4"), -4);
  EXPECT_EQ(parse_integer_argument("12\t "), 12);
  EXPECT_EQ(parse_integer_argument("-0"), 0);
}

TEST(IntegerArgument, refuses_text_that_is_not_exactly_one_integer) {
  for (const char* text :
       {"", " ", "+", "-", "16x", "x16", "1 6", "--4", "+-4", "0x10", "1.5", "- 4", "eight", "-X"})
    EXPECT_FALSE(parse_integer_argument(text).has_value()) << "text \"" << text << "\"";
}

TEST(IntegerArgument, keeps_numbers_beyond_32_bits_instead_of_wrapping) {
  EXPECT_EQ(parse_integer_argument("4294967304"), 4294967304LL);
  EXPECT_EQ(parse_integer_argument("-2147483649"), -2147483649LL);
}

TEST(IntegerArgument, saturates_numbers_beyond_64_bits_keeping_their_sign) {
  EXPECT_EQ(parse_integer_argument("99999999999999999999999"), largest);
  EXPECT_EQ(parse_integer_argument("-99999999999999999999999"), -largest);
  EXPECT_EQ(parse_integer_argument("9223372036854775807"), largest);
  EXPECT_EQ(parse_integer_argument("9223372036854775806"), largest - 1);
}

}  // namespace
