// A project's assembly comes before the C code's constant pool, so padding that assembly moves
// the pool: its words are read at the addresses they have once padded, whether the rest of the
// program is padded or, held back by an indirect branch of the user's, not.
#include <gtest/gtest.h>

#include <string>

#include "driver/batch_run.h"
#include "support/build_fixture.h"

namespace {

class PoolPlacement : public BuildTest {
 protected:
  // x ends in a register: the sum of two constants too large to load directly.
  int32_t run_with_prefix(const std::string& assembly) {
    machine.configuration.set_data_size(16);
    machine.configuration.set_register_count(16);
    add_source("prog.c", "int x;\nint main(void)\n{\n  x = 30000;\n  x = x + 12345;\n}\n");
    add_source("prog.s", assembly);  // loaded first: its words come first
    build();
    EXPECT_EQ(errors(), 0) << output();
    machine.execution.start();
    EXPECT_EQ(batch_run(context), 0) << output();
    return machine.registers.at(15).value;
  }
};

const std::string loop = "        RJMP c_code\n        LDIL R1,#3\nloop:   DEC R1\n"
                         "        RB0 #Z,loop\nc_code:\n";

}  // namespace

TEST_F(PoolPlacement, padded_assembly_before_the_pool) {
  EXPECT_EQ(run_with_prefix(loop), static_cast<int16_t>(30000 + 12345));
  EXPECT_EQ(listing()[6], "NOP") << "the jump to the C code is a padded target";
}

TEST_F(PoolPlacement, unpadded_program_keeps_room_for_the_padding_the_pool_expects) {
  const std::string with_indirect_jump = "        RJMP over\n        IJMP (R0)\nover:\n" + loop;
  EXPECT_EQ(run_with_prefix(with_indirect_jump), static_cast<int16_t>(30000 + 12345));
}
