// The machine's run state after the debugger's C: held at a breakpoint, finished at the end of
// the code, interrupted by Ctrl-C; the stop flag shows each of them as set.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "driver/console_debugger.h"
#include "support/build_fixture.h"

namespace {

class RunState : public BuildTest {
 protected:
  void debug(const std::string& input) {
    test.input.str(input);
    test.input.clear();
    machine.execution.hold();
    CONSOLE_DEBUGGER(context).run();
  }
};

TEST_F(RunState, C_is_held_at_a_breakpoint_then_finishes_at_the_end) {
  add_source("count.c", "int main(void) {\n  int a;\n  a = 1;\n  a = a + 2;\n}\n");
  build();
  ASSERT_EQ(errors(), 0) << output();
  debug("B 4\nC\nQ\n");
  EXPECT_EQ(machine.execution.state(), RUN_STATE::at_breakpoint) << output();
  EXPECT_TRUE(context.user_interface.stop);
  debug("C\nQ\n");
  EXPECT_EQ(machine.execution.state(), RUN_STATE::finished) << output();
  EXPECT_TRUE(context.user_interface.stop);
}

TEST_F(RunState, ctrl_c_during_C_leaves_the_machine_interrupted) {
  add_source("loop.s", "again:  INC  R1\n        RJMP again\n");
  build();
  std::thread user([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // well into the run
    kill(getpid(), SIGINT);
  });
  debug("C\nQ\n");
  user.join();
  EXPECT_EQ(machine.execution.state(), RUN_STATE::interrupted);
  EXPECT_NE(output().find("Running...\nStopped.\n"), std::string::npos);
}

}  // namespace
