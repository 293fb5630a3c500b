// Constant typing and folding: a constant takes the first type whose range holds its value under
// the configured N, a value beyond every range is reported and becomes 0, and two constant
// operands fold into one constant that spans both.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "cfront/binary.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/unary.h"
#include "support/test_context.h"

namespace {

class CONSTANT_FOLDING : public testing::Test {
 protected:
  DECIMAL_CONSTANT* constant(int32_t value, int column = 1) {
    return program.make<DECIMAL_CONSTANT>(at(column), at(column + 2), value);
  }
  std::string type_name(int data_size, int32_t value) {
    test.context.machine.parameters.data_size = data_size;
    return constant(value)->type_of(program)->display_name();
  }
  // The value a node of two constant operands folds to.
  template <class NODE>
  int32_t folded_value(int32_t left, int32_t right) {
    auto* node = program.make<NODE>(at(3), constant(left), constant(right));
    auto* folded = dynamic_cast<DECIMAL_CONSTANT*>(node->simplify(program));
    EXPECT_NE(nullptr, folded);
    return folded == nullptr ? 0 : folded->value;
  }
  static POSITION at(int column) { return POSITION::make(nullptr, 1, column); }
  int errors() const { return test.context.error_handler.error_count(); }

  TEST_CONTEXT test;
  C_PROGRAM& program = test.context.c_program;
};

TEST_F(CONSTANT_FOLDING, a_constant_takes_the_first_type_whose_range_holds_it) {
  EXPECT_EQ("char", type_name(8, -128));
  EXPECT_EQ("char", type_name(8, 127));
  EXPECT_EQ("unsigned char", type_name(8, 128));
  EXPECT_EQ("unsigned char", type_name(16, 255));
  EXPECT_EQ("int", type_name(16, 256));
  EXPECT_EQ("int", type_name(16, -129));
  EXPECT_EQ("int", type_name(16, 32767));
  EXPECT_EQ("int", type_name(16, -32768));
  EXPECT_EQ("unsigned int", type_name(16, 32768));
  EXPECT_EQ("unsigned int", type_name(16, 65535));
  EXPECT_EQ("int", type_name(10, 511));
  EXPECT_EQ("unsigned int", type_name(10, 512));
  EXPECT_EQ("unsigned int", type_name(10, 1023));
  EXPECT_EQ(0, errors());
}

TEST_F(CONSTANT_FOLDING, a_value_beyond_every_range_is_reported_and_becomes_an_int_0) {
  const struct {
    int data_size;
    int32_t value;
  } cases[] = {{8, 256}, {8, -129}, {16, 65536}, {16, -32769}, {10, 1024}};
  for (const auto& out_of_range : cases) {
    test.context.machine.parameters.data_size = out_of_range.data_size;
    DECIMAL_CONSTANT* value = constant(out_of_range.value);
    EXPECT_EQ("int", value->type_of(program)->display_name()) << out_of_range.value;
    EXPECT_EQ(0, value->value) << out_of_range.value;
  }
  EXPECT_EQ(5, errors());
  EXPECT_NE(std::string::npos, test.take_output().find("Value out of range."));
}

TEST_F(CONSTANT_FOLDING, digits_beyond_32_bits_are_out_of_range_whatever_value_they_wrapped_to) {
  DECIMAL_CONSTANT* wrapped = constant(5);
  wrapped->beyond_32_bits = true;
  EXPECT_EQ("int", wrapped->type_of(program)->display_name());
  EXPECT_EQ(0, wrapped->value);
  EXPECT_EQ(1, errors());
}

TEST_F(CONSTANT_FOLDING, a_typed_constant_joins_the_pool_when_one_load_cannot_reach_it) {
  test.context.machine.parameters.data_size = 16;
  constant(63)->simplify(program);
  constant(-64)->simplify(program);
  DECIMAL_CONSTANT* far = constant(64);
  far->simplify(program);
  far->simplify(program);
  ASSERT_EQ(1u, program.constant_pool.size());
  EXPECT_EQ(far, program.constant_pool.front());
}

TEST_F(CONSTANT_FOLDING, two_constants_fold_into_one_spanning_from_the_left_to_the_right_operand) {
  test.context.machine.parameters.data_size = 16;
  auto* sum = program.make<BINARY_PLUS>(at(5), constant(200, 1), constant(100, 7));
  auto* folded = dynamic_cast<DECIMAL_CONSTANT*>(sum->simplify(program));
  ASSERT_NE(nullptr, folded);
  EXPECT_EQ(300, folded->value);
  EXPECT_EQ("int", folded->type->display_name());
  EXPECT_EQ(at(1), folded->first);
  EXPECT_EQ(at(9), folded->last);
}

TEST_F(CONSTANT_FOLDING, every_folding_operator_computes_its_value) {
  test.context.machine.parameters.data_size = 16;
  EXPECT_EQ(-4, folded_value<BINARY_MINUS>(3, 7));
  EXPECT_EQ(2, folded_value<BASIC_AND>(6, 3));
  EXPECT_EQ(7, folded_value<INCLUSIVE_OR>(6, 3));
  EXPECT_EQ(5, folded_value<EXCLUSIVE_OR>(6, 3));
  EXPECT_EQ(1, folded_value<LOGICAL_AND>(2, 5));
  EXPECT_EQ(0, folded_value<LOGICAL_AND>(2, 0));
  EXPECT_EQ(1, folded_value<LOGICAL_OR>(0, 5));
  EXPECT_EQ(0, folded_value<LOGICAL_OR>(0, 0));
  const BINARY_PLUS sum(at(1), nullptr, nullptr);
  EXPECT_EQ(std::numeric_limits<int32_t>::min(), sum.fold(std::numeric_limits<int32_t>::max(), 1));
}

TEST_F(CONSTANT_FOLDING, a_negated_constant_starts_at_the_minus_and_is_typed_anew) {
  auto* minus = program.make<UNARY_MINUS>(at(1), constant(128, 2));
  auto* folded = dynamic_cast<DECIMAL_CONSTANT*>(minus->simplify(program));
  ASSERT_NE(nullptr, folded);
  EXPECT_EQ(-128, folded->value);
  EXPECT_EQ("char", folded->type->display_name());
  EXPECT_EQ(at(1), folded->first);
  EXPECT_EQ(at(4), folded->last);
}

}  // namespace
