// Whether a constant is used in place or read from a ROM pool word: the front end, which enters
// the constants it types, and the code generator, which lays out the pool and picks each
// constant's medium, must agree with what the instructions hold, at every register width.
#include <gtest/gtest.h>

#include "cfront/constant.h"
#include "codegen/media/storage_medium.h"
#include "isa/instructions.h"
#include "support/test_context.h"

namespace {

// A value the ADI field holds comes back from the instruction's code unchanged.
bool adi_holds(CONTEXT& context, int32_t value) {
  const ADI adi(POSITION{}, &context.machine.registers.at(1), value);
  return sign_extend((adi.code() >> 5) & 0x7F, 7) == value;
}

TEST(ConstantLoading, front_end_and_pool_agree_with_the_immediate_field_at_every_width) {
  const std::vector<int32_t> values{-129, -128, -127, -65, -64, -63, -1,  0,
                                    62,   63,   64,   65,  126, 127, 128, 255};
  for (int width = 8; width <= 16; ++width) {
    TEST_CONTEXT test;
    CONTEXT& context = test.context;
    context.machine.parameters.data_size = width;
    std::vector<DECIMAL_CONSTANT*> constants;
    for (int32_t value : values) {
      constants.push_back(context.c_program.make<DECIMAL_CONSTANT>(POSITION{}, POSITION{}, value));
      context.c_program.enter_in_pool(*constants.back());
    }
    context.codegen.pool.lay_out(context.codegen);
    for (DECIMAL_CONSTANT* constant : constants) {
      const int32_t reduced = sign_extend(constant->value, width);
      // With 8-bit registers one LDIL loads any value.
      const bool direct = width == 8 || adi_holds(context, reduced);
      EXPECT_EQ(constant->pooled, !direct) << constant->value << " at width " << width;
      const STORAGE_MEDIUM& medium = context.codegen.pool.value_medium(context.codegen, reduced);
      EXPECT_EQ(medium.kind(), direct ? MEDIUM_KIND::immediate : MEDIUM_KIND::rom)
          << constant->value << " at width " << width;
    }
  }
}

}  // namespace
