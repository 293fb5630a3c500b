// The program-wide services of the C front end: interned names compared by identity, the pool
// of parsers that nested includes draw from, the constant pool's bounds and the #asm save area.
#include "cfront/c_program.h"

#include <gtest/gtest.h>

#include "cfront/c_parser.h"
#include "cfront/constant.h"
#include "support/test_context.h"

namespace {

class C_PROGRAM_SERVICES : public testing::Test {
 protected:
  DECIMAL_CONSTANT& constant(int32_t value) {
    return *program.make<DECIMAL_CONSTANT>(POSITION{}, POSITION{}, value);
  }

  TEST_CONTEXT test;
  C_PROGRAM& program = test.context.c_program;
};

TEST_F(C_PROGRAM_SERVICES, equal_texts_intern_to_one_object_and_the_four_names_survive_a_reset) {
  INTERNED first = program.intern("count");
  EXPECT_EQ(first, program.intern(std::string("co") + "unt"));
  EXPECT_NE(first, program.intern("Count"));
  program.reset();
  EXPECT_EQ(program.main_name(), program.intern("main"));
  for (const char* name : {"exit", "asm_ROL", "asm_TTSR"})
    EXPECT_TRUE(program.is_built_in(program.intern(name))) << name;
  EXPECT_FALSE(program.is_built_in(program.main_name()));
}

TEST_F(C_PROGRAM_SERVICES, a_busy_parser_is_not_handed_out_and_a_reset_frees_every_parser) {
  C_PARSER& first = program.free_parser();
  EXPECT_EQ(&first, &program.free_parser()) << "a free parser is reused";
  first.busy = true;
  C_PARSER& second = program.free_parser();
  EXPECT_NE(&first, &second);
  second.busy = true;
  C_PARSER& third = program.free_parser();
  second.busy = false;
  third.busy = true;
  EXPECT_EQ(&second, &program.free_parser()) << "the most recent free parser";
  program.reset();
  EXPECT_EQ(&third, &program.free_parser()) << "after a reset the newest is free again";
}

TEST_F(C_PROGRAM_SERVICES, constants_enter_the_pool_once_when_they_need_more_than_one_load) {
  test.context.machine.parameters.data_size = 12;
  for (int32_t value : {-64, 63, 0}) program.enter_in_pool(constant(value));
  EXPECT_TRUE(program.constant_pool.empty());
  DECIMAL_CONSTANT& big = constant(64);
  program.enter_in_pool(big);
  program.enter_in_pool(big);
  program.enter_in_pool(constant(-65));
  EXPECT_EQ(2u, program.constant_pool.size());
  EXPECT_TRUE(big.pooled);
}

// 128 to 255 reduce to -128..-1 in 8 bits, which one LDIL loads: nothing needs the pool there.
TEST_F(C_PROGRAM_SERVICES, with_8_bit_data_no_value_needs_the_pool) {
  test.context.machine.parameters.data_size = 8;
  for (int32_t value : {-128, 127, 100, 128, 200, 255}) program.enter_in_pool(constant(value));
  EXPECT_TRUE(program.constant_pool.empty());
  test.context.machine.parameters.data_size = 16;
  program.enter_in_pool(constant(100));
  EXPECT_EQ(1u, program.constant_pool.size());
}

TEST_F(C_PROGRAM_SERVICES, the_asm_save_area_follows_the_largest_register_list) {
  program.note_asm_register_count(3);
  program.note_asm_register_count(5);
  program.note_asm_register_count(2);
  EXPECT_EQ(5, program.largest_asm_register_list);
  program.reset();
  EXPECT_EQ(0, program.largest_asm_register_list);
}

}  // namespace
