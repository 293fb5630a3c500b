// The library functions that reach the ports and the internal-error instruction from C: a
// program reads two input ports, computes, and writes output ports, checked against the same
// arithmetic here, with few registers (values pass through R0-R7) and many (temporaries above R7).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/build_fixture.h"

namespace {

const char* const port_program = R"(int table[4];
int main(void)
{
  int a, b, i;
  a = asm_IN(0);
  b = asm_IN(1);
  for (i = 0; i < 4; i++)
    table[i] = a + i * b;
  asm_OUT(2, a + b);
  asm_OUT(3, table[3] - asm_IN(0));
  asm_OUT(4, (a ^ b) + asm_IN(1) * 2);
  if (a == 77)
    asm_IEM(a);
  return 0;
}
)";

class BuiltInFunctions : public BuildTest {
 protected:
  // Builds for N bits and X registers and runs with the two inputs.
  void run_with(int n, int x, int32_t a, int32_t b) {
    machine.configuration.set_data_size(n);
    machine.configuration.set_register_count(x);
    add_source("ports.c", port_program);
    build();
    ASSERT_EQ(errors(), 0) << output();
    machine.devices.set_input(0, a);
    machine.devices.set_input(1, b);
    run();
  }
  int32_t wrapped(int n, int64_t v) {
    const int64_t m = int64_t{1} << n;
    v = ((v % m) + m) % m;
    return static_cast<int32_t>(v >= m / 2 ? v - m : v);
  }
};

TEST_F(BuiltInFunctions, PortsCarryTheProgramsValuesAtEverySize) {
  for (int n : {8, 16})
    for (int x : {8, 32}) {
      SCOPED_TRACE("N=" + std::to_string(n) + " X=" + std::to_string(x));
      const int32_t a = 23, b = n == 8 ? 50 : 1234;
      run_with(n, x, a, b);
      EXPECT_EQ(errors(), 0) << output();
      EXPECT_EQ(wrapped(n, machine.devices.output[2]), wrapped(n, a + b));
      EXPECT_EQ(wrapped(n, machine.devices.output[3]), wrapped(n, a + 3 * b - a));
      EXPECT_EQ(wrapped(n, machine.devices.output[4]), wrapped(n, (a ^ b) + b * 2));
      context.source_paths.clear();
    }
}

TEST_F(BuiltInFunctions, InternalErrorReportsItsArgument) {
  run_with(16, 16, 77, 1);
  EXPECT_EQ(errors(), 1);
  EXPECT_NE(output().find("Internal Error Message : "), std::string::npos);
}

TEST_F(BuiltInFunctions, PortsAndArgumentCountsAreChecked) {
  add_source("bad.c", R"(int p;
int main(void)
{
  asm_OUT(p, 1);
  asm_OUT(128, 1);
  asm_IN(1, 2);
  asm_ROL();
  return asm_IN(3);
}
)");
  build();
  const std::string text = output();
  EXPECT_EQ(errors(), 4) << text;
  EXPECT_NE(text.find("Line 4 column 11"), std::string::npos) << text;
  EXPECT_NE(text.find("Line 5 column 11"), std::string::npos) << text;
  EXPECT_NE(text.find("A port number is a constant from 0 to 127."), std::string::npos);
  EXPECT_NE(text.find("Incorrect number or arguments."), std::string::npos);
}

}  // namespace
