// The loads of a long jump's target, in each mode: always as many words for any target, so
// refilling them after padding moves nothing else.
#include "forwarding/long_jump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_context.h"

namespace {

struct CASE {
  int n, m;
  int32_t target;
  std::vector<std::string> loads;
};

std::vector<std::string> texts(int n, int m, int32_t target, int& slot_count) {
  TEST_CONTEXT test;
  PROCESSOR_PARAMETERS parameters;
  parameters.data_size = n;
  parameters.pc_width = m;
  REGISTER_POOL registers(parameters);
  const LONG_JUMP long_jump(parameters, registers);
  slot_count = long_jump.slot_count();
  std::vector<std::string> lines;
  for (const auto& load : long_jump.loads(target, POSITION{})) {
    std::string text;
    load->append_text(text, test.context.machine);
    lines.push_back(text);
  }
  return lines;
}

}  // namespace

TEST(LongJump, loads_of_each_mode) {
  const std::vector<CASE> cases = {
      {8, 16, 200, {"CLR R1 (EOR R1,R1)", "LDIL R0,#200"}},
      {8, 16, 300, {"LDIL R1,#1", "LDIL R0,#44"}},
      {16, 16, 300, {"LDIH R0,#1", "LDIL R0,#44"}},
      {12, 16, 5000, {"LDIL R1,#1", "LDIH R0,#3", "LDIL R0,#136"}},
      {16, 24, 1000, {"CLR R1 (EOR R1,R1)", "LDIH R0,#3", "LDIL R0,#232"}},
      // More than 8 bits above the registers: R1 takes two loads.
      {12, 24, 0x123456, {"LDIL R1,#35", "LDIH R1,#1", "LDIH R0,#4", "LDIL R0,#86"}},
      {12, 24, 0x1456, {"CLR R1 (EOR R1,R1)", "LDIL R1,#1", "LDIH R0,#4", "LDIL R0,#86"}},
  };
  for (const CASE& c : cases) {
    int slot_count = 0;
    EXPECT_EQ(texts(c.n, c.m, c.target, slot_count), c.loads)
        << "N=" << c.n << " M=" << c.m << " target " << c.target;
    EXPECT_EQ(slot_count, static_cast<int>(c.loads.size()));
  }
}

TEST(LongJump, eight_bit_registers_reach_16_bits) {
  PROCESSOR_PARAMETERS parameters;
  parameters.pc_width = 24;
  REGISTER_POOL registers(parameters);
  const LONG_JUMP long_jump(parameters, registers);
  EXPECT_TRUE(long_jump.reaches(0xFFFF));
  EXPECT_FALSE(long_jump.reaches(0x10000));
}
