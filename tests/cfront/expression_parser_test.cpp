// The expression grammar read straight from text: where each refused construct is refused, the
// shape of the trees (left-associative levels, right-associative assignment, operators told
// apart by what follows them), and the missing-operand messages, which only appear once an
// error has been counted inside the expression.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_parser.h"
#include "cfront/c_stops.h"
#include "cfront/calls.h"
#include "cfront/conditional.h"
#include "cfront/constant.h"
#include "cfront/relational.h"
#include "cfront/unary.h"
#include "support/test_context.h"

namespace {

class EXPRESSION_PARSER : public testing::Test {
 protected:
  EXPRESSION* parse(const std::string& line) {
    parser.load_text({line});
    parser.skip_blanks();
    return parser.parse_expression();
  }
  int errors() const { return test.context.error_handler.error_count(); }

  TEST_CONTEXT test;
  C_PARSER parser{test.context.c_program};
};

// The column where the parse of line, alone in a build, was abandoned; 0 when it was not. The
// refusal names construct, or none when construct is empty.
int refused_at(const std::string& line, const std::string& construct = "") {
  TEST_CONTEXT test;
  C_PARSER parser{test.context.c_program};
  parser.load_text({line});
  try {
    parser.parse_expression();
  } catch (const C_PARSE_ABANDONED& abandoned) {
    const std::string refusal = "This aspect of ANSI C is not implemented";
    EXPECT_EQ(construct.empty() ? refusal + "." : refusal + ": " + construct + ".",
              abandoned.message)
        << line;
    EXPECT_EQ(construct.empty(), abandoned.repeated) << line;
    return parser.column();
  }
  return 0;
}

template <class NODE>
NODE* as(EXPRESSION* expression) {
  return dynamic_cast<NODE*>(expression);
}

// * / % bind tighter than + -, a cast and unary + tighter than *, ?: nests to the right and
// the comma is the lowest level of all.
TEST_F(EXPRESSION_PARSER, multiplicative_conditional_comma_and_cast_levels) {
  auto* sum = as<BINARY_PLUS>(parse("a + b * c % d"));
  ASSERT_NE(nullptr, sum);
  auto* modulo = as<MODULO>(sum->right);
  ASSERT_NE(nullptr, modulo);
  EXPECT_NE(nullptr, as<MULTIPLY>(modulo->left));
  auto* quotient = as<DIVIDE>(parse("(int)a / +b"));
  ASSERT_NE(nullptr, quotient);
  EXPECT_NE(nullptr, as<CAST>(quotient->left)->type);
  EXPECT_EQ(nullptr, as<CAST>(quotient->right)->type);
  auto* pair = as<COMMA>(parse("a = b ? c : d ? e : f, g *= h"));
  ASSERT_NE(nullptr, pair);
  EXPECT_NE(nullptr, as<MULTIPLY_ASSIGNMENT>(pair->right));
  auto* choice = as<CONDITIONAL>(as<SIMPLE_ASSIGNMENT>(pair->left)->source);
  ASSERT_NE(nullptr, choice);
  EXPECT_NE(nullptr, as<CONDITIONAL>(choice->if_false));
  EXPECT_NE(nullptr, as<DIVIDE_ASSIGNMENT>(parse("a /= b %= c")));
  EXPECT_NE(nullptr, as<SIZE_OF>(parse("sizeof a[1]")));
  EXPECT_NE(nullptr, as<DECIMAL_CONSTANT>(parse("sizeof(unsigned int *)")));
}

TEST_F(EXPRESSION_PARSER, other_refused_constructs_are_refused_where_they_stand) {
  const struct {
    const char* text;
    int column;
    const char* construct;
  } cases[] = {{"( ;", 3, ""},
               {"'cd'", 3, "a character constant of several characters"},
               {"x = 1.5", 6, "floating point"},
               {"x = 1e3", 6, "floating point"},
               {"main(1)", 5, "a call of main"},
               {"a + ;", 5, ""}};
  for (const auto& refused : cases)
    EXPECT_EQ(refused.column, refused_at(refused.text, refused.construct)) << refused.text;
}

// Prefix operators are built as the operators C defines them by, spanning their operand; the
// bitwise compound assignments are assignments of their own, grouping to the right.
TEST_F(EXPRESSION_PARSER, prefix_operators_and_bitwise_compound_assignments) {
  auto* negation = as<RELATIONAL_EQ>(parse("!a[1]"));
  ASSERT_NE(nullptr, negation);
  EXPECT_EQ(0, as<DECIMAL_CONSTANT>(negation->right)->value);
  EXPECT_EQ(1, negation->position_of().column);
  auto* complement = as<EXCLUSIVE_OR>(parse("~~a"));
  ASSERT_NE(nullptr, complement);
  EXPECT_NE(nullptr, as<EXCLUSIVE_OR>(complement->left));
  EXPECT_EQ(-1, as<DECIMAL_CONSTANT>(complement->right)->value);
  auto* increment = as<PLUS_ASSIGNMENT>(parse("++a"));
  ASSERT_NE(nullptr, increment);
  EXPECT_EQ(1, as<DECIMAL_CONSTANT>(increment->source)->value);
  EXPECT_EQ(3, increment->end_position().column);
  EXPECT_NE(nullptr, as<MINUS_ASSIGNMENT>(parse("--a")));
  EXPECT_NE(nullptr, as<AND_ASSIGNMENT>(parse("a &= b")));
  EXPECT_NE(nullptr, as<OR_ASSIGNMENT>(parse("a |= b")));
  EXPECT_NE(nullptr, as<XOR_ASSIGNMENT>(as<XOR_ASSIGNMENT>(parse("a ^= b ^= c"))->source));
  EXPECT_NE(nullptr, as<UNARY_MINUS>(as<UNARY_MINUS>(parse("- -a"))->operand));
}

TEST_F(EXPRESSION_PARSER, binary_levels_group_to_the_left_and_assignments_to_the_right) {
  auto* difference = as<BINARY_MINUS>(parse("a - b - c"));
  ASSERT_NE(nullptr, difference);
  EXPECT_NE(nullptr, as<BINARY_MINUS>(difference->left));
  auto* assignment = as<SIMPLE_ASSIGNMENT>(parse("a = b = c"));
  ASSERT_NE(nullptr, assignment);
  EXPECT_NE(nullptr, as<SIMPLE_ASSIGNMENT>(assignment->source));
  auto* shift = as<SHIFT_LEFT>(parse("a + b << c"));
  ASSERT_NE(nullptr, shift);
  EXPECT_NE(nullptr, as<BINARY_PLUS>(shift->left));
}

TEST_F(EXPRESSION_PARSER, operators_are_told_apart_by_the_characters_that_follow_them) {
  EXPECT_NE(nullptr, as<SHIFT_LEFT_ASSIGNMENT>(parse("a <<= 2")));
  EXPECT_NE(nullptr, as<SHIFT_RIGHT>(parse("a >> 2")));
  EXPECT_NE(nullptr, as<RELATIONAL_LE>(parse("a <= b")));
  EXPECT_NE(nullptr, as<RELATIONAL_LT>(parse("a < b")));
  EXPECT_NE(nullptr, as<LOGICAL_AND>(parse("a && b")));
  EXPECT_NE(nullptr, as<UNARY_AND>(as<BASIC_AND>(parse("a & &b"))->right));
  EXPECT_NE(nullptr, as<EXCLUSIVE_OR>(parse("a ^ b")));
  EXPECT_NE(nullptr, as<MINUS_ASSIGNMENT>(parse("a -= b")));
  EXPECT_NE(nullptr, as<UNARY_MINUS>(as<BINARY_MINUS>(parse("a - -b"))->right));
  EXPECT_NE(nullptr, as<UNARY_POSTFIX_MINUS_MINUS>(as<BINARY_PLUS>(parse("a-- + b"))->left));
  EXPECT_NE(nullptr, as<POINTER_USAGE>(as<FUNCTION_CALL>(parse("f(a[1], 2)"))->arguments[0]));
  EXPECT_EQ(0, errors());
}

// `(a[b)` misses its `]`: from there on every operand read through the assignment level (here a
// parenthesised one) answers none, and the operator before it says so.
TEST_F(EXPRESSION_PARSER, a_missing_assignment_operand_is_named_after_its_operator) {
  const char* operators[] = {"=", "+=", "-=", "<<=", ">>="};
  for (const char* spelling : operators) {
    TEST_CONTEXT fresh;
    C_PARSER reader{fresh.context.c_program};
    reader.load_text({std::string("(a[b) ") + spelling + " (c)"});
    reader.parse_expression();
    const std::string expected = std::string("Right hand side of ") + spelling + " expected.";
    EXPECT_NE(std::string::npos, fresh.take_output().find(expected)) << spelling;
  }
}

TEST_F(EXPRESSION_PARSER, nothing_is_read_once_an_error_is_counted) {
  test.context.error_handler.error_without_position("an earlier error");
  EXPECT_EQ(nullptr, parse("a + b"));
  EXPECT_EQ(1, parser.column());
  EXPECT_EQ(nullptr, parser.parse_required_expression());
  EXPECT_NE(std::string::npos, test.take_output().find("Expression expected."));
}

TEST_F(EXPRESSION_PARSER, deep_parentheses_are_an_error_not_a_stack_overflow) {
  EXPECT_THROW(parse(std::string(1000, '(') + "a" + std::string(1000, ')')), C_PARSE_ABANDONED);
  EXPECT_GT(errors(), 0);
}

}  // namespace
