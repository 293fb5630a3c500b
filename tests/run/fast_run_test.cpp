// The fast run loop against single steps. Random programs built for several processor sizes
// run side by side in two contexts, one through run_program in slices of random length, the
// other one execute_one at a time; after every slice the whole machine state, the diagnostics
// and the output must agree. Breakpoints are set and moved between slices, so the records
// decoded again for a replaced slot are exercised too.
#include "run/fast_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../machine/test_machine.h"
#include "isa/instructions.h"
#include "machine/breakpoint.h"
#include "machine/execution.h"
#include "pipeline/project_manager.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

TEST(FastRun, a_run_ends_at_its_limit_a_breakpoint_or_outside_the_rom) {
  TEST_MACHINE t;
  MACHINE& machine = t.machine;
  for (int i = 0; i < 5; ++i) machine.rom.append(std::make_unique<NOP>(POSITION{}));
  t.user_interface.stop = false;
  RUN_END end = run_program(machine, 3, ON_DIAGNOSTIC::go_on);
  EXPECT_EQ(end.reason, RUN_END::limit);
  EXPECT_EQ(end.executed, 3);
  EXPECT_EQ(end.last_address, 2);
  EXPECT_EQ(machine.program_counter.value, 3);
  EXPECT_EQ(machine.clock.periods(), 3);

  BREAKPOINT breakpoint;
  breakpoint.wrap(machine.rom.fetch(4));
  machine.rom.replace(4, &breakpoint);
  end = run_program(machine, 1000, ON_DIAGNOSTIC::go_on);
  EXPECT_EQ(end.reason, RUN_END::breakpoint);
  EXPECT_EQ(end.last_address, 4);
  EXPECT_EQ(machine.program_counter.value, 4);
  EXPECT_TRUE(t.user_interface.stop);

  machine.rom.replace(4, breakpoint.wrapped_instruction());
  t.user_interface.stop = false;
  end = run_program(machine, 1000, ON_DIAGNOSTIC::go_on);
  EXPECT_EQ(end.reason, RUN_END::finished) << "the removed breakpoint no longer stops";
  EXPECT_EQ(machine.program_counter.value, 5);
  machine.program_counter.value = -3;
  EXPECT_EQ(run_program(machine, 1000, ON_DIAGNOSTIC::go_on).reason, RUN_END::finished);
  EXPECT_EQ(machine.program_counter.value, -3);
}

// Mostly the instructions the loop handles itself, mixed with those it leaves to the objects
// (memory, calls, flag transfers, rotations through C) and branches on every flag. With no
// indirect jump the forwarding module puts NOPs between flags and branches: the fused chains.
std::string random_instruction(std::mt19937& random, int registers) {
  auto number = [&](int low, int high) {
    return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
  };
  const std::string r = "R" + number(0, registers - 1);
  const std::string s = "R" + number(0, registers - 1);
  const std::string low = "R" + number(0, 7);
  const std::string even = "R" + std::to_string(2 * std::stoi(number(0, registers / 2 - 1)));
  const std::string label = "L" + number(0, 9);
  const std::string flag = std::string("#") + "CZNVSI"[std::stoi(number(0, 5))];
  const std::vector<std::string> forms = {"ADD " + r + "," + s,
                                          "ADC " + r + "," + s,
                                          "SUB " + r + "," + s,
                                          "SUBC " + r + "," + s,
                                          "CMP " + r + "," + s,
                                          "CMPI " + r + ",#" + number(-64, 63),
                                          "AND " + r + "," + s,
                                          "OR " + r + "," + s,
                                          "EOR " + r + "," + s,
                                          "ASR " + r,
                                          "LSR " + r,
                                          "LSL " + r,
                                          "TFR " + r + "," + s,
                                          "LDIL " + low + ",#" + number(0, 255),
                                          "LDIH " + low + ",#" + number(0, 255),
                                          "ADI " + r + ",#" + number(-64, 63),
                                          "NOP",
                                          "RB0 " + flag + "," + label,
                                          "RB1 " + flag + "," + label,
                                          "RJMP " + label,
                                          "RB1 " + flag + "," + label,
                                          "ROL " + r,
                                          "TFSR " + r,
                                          "TTSR " + r,
                                          "ST " + r + ",(" + even + ")",
                                          "LD " + r + ",(" + even + ")",
                                          "RCALL " + label,
                                          "RET",
                                          "CMP " + r + "," + s + "\n  RB1 " + flag + "," + label,
                                          "ADI " + r + ",#-1\n  NOP\n  RB0 " + flag + "," + label,
                                          "OUT " + low + "," + number(0, 126),
                                          "COM " + r};
  return forms[std::uniform_int_distribution<size_t>(0, forms.size() - 1)(random)];
}

std::string random_program(std::mt19937& random, int registers) {
  std::string text;
  for (int line = 0; line < 50; ++line) {
    if (line % 5 == 0) text += "L" + std::to_string(line / 5) + ":";
    text += "  " + random_instruction(random, registers) + "\n";
  }
  return text;
}

std::string machine_state(TEST_CONTEXT& test) {
  const MACHINE& machine = test.context.machine;
  std::string state = "pc " + std::to_string(machine.program_counter.value) + " clock " +
                      std::to_string(machine.clock.periods()) + " status " +
                      std::to_string(machine.status.status_word(16)) + "\nregisters";
  for (int n = 0; n < REGISTER_POOL::capacity; ++n)
    state += ' ' + std::to_string(machine.registers.at(n).value);
  state += "\nstack " + std::to_string(machine.stack.pointer) + ':';
  for (int32_t entry : machine.stack.entries) state += ' ' + std::to_string(entry);
  state += "\nram";
  for (int32_t a = 0; a <= machine.ram.written_end(); ++a)
    state += ' ' + std::to_string(machine.ram.word(a));
  state += "\noutputs";
  for (int port = 0; port < 128; ++port)
    state += ' ' + std::to_string(machine.devices.read_port(port));
  const ERROR_HANDLER& errors = test.context.error_handler;
  state += "\nerrors " + std::to_string(errors.error_count()) + " warnings " +
           std::to_string(errors.warning_count()) + "\n" + test.take_output();
  return state;
}

struct SIZE {
  int n, x, m, l;
};

struct SIDE {
  TEST_CONTEXT test;
  MACHINE& machine = test.context.machine;
  BREAKPOINT breakpoint;
  int32_t breakpoint_address = -1;

  bool build(const SIZE& size, const std::string& path) {
    PROCESSOR_CONFIGURATION& configuration = machine.configuration;
    configuration.set_data_size(size.n);
    configuration.set_register_count(size.x);
    configuration.set_pc_width(size.m);
    configuration.set_ram_address_width(size.l);
    test.context.source_paths.add_source_file(path);
    test.context.project_manager.update();
    test.take_output();
    return test.context.error_handler.error_count() == 0 && machine.rom.size() > 0;
  }
  void move_breakpoint(int32_t address) {
    if (breakpoint_address >= 0)
      machine.rom.replace(breakpoint_address, breakpoint.wrapped_instruction());
    breakpoint.wrap(machine.rom.fetch(address));
    machine.rom.replace(address, &breakpoint);
    breakpoint_address = address;
  }
  // As Run does: the first instruction with stop still set, so a breakpoint there executes.
  void start() {
    machine.user_interface.stop = true;
    execute_one(machine);
    machine.user_interface.stop = false;
  }
  int64_t single_steps(int64_t limit) {
    int64_t executed = 0;
    while (executed < limit && !machine.user_interface.stop && !execute_one(machine)) ++executed;
    return executed;  // a breakpoint hit counts: execute_one answered false for it
  }
};

TEST(FastRun, matches_single_steps_after_every_slice_on_random_programs) {
  const SIZE sizes[] = {{8, 8, 16, 6}, {16, 32, 24, 16}, {10, 12, 20, 9}, {13, 16, 17, 14}};
  std::mt19937 random(20261209);
  TEMPORARY_DIRECTORY directory;
  int compared = 0;
  for (int round = 0; round < 160; ++round) {
    const SIZE& size = sizes[round % 4];
    const std::string path =
        directory.write("p" + std::to_string(round) + ".s", random_program(random, size.x));
    SIDE fast, reference;
    if (!fast.build(size, path) || !reference.build(size, path)) continue;
    ++compared;
    const int32_t rom_size = fast.machine.rom.size();
    std::uniform_int_distribution<int32_t> address(0, rom_size - 1);
    std::uniform_int_distribution<int> slice(1, 60);
    fast.start();
    reference.start();
    for (int turn = 0; turn < 40; ++turn) {
      if (turn % 8 == 3) {
        const int32_t at = address(random);
        fast.move_breakpoint(at);
        reference.move_breakpoint(at);
      }
      const int limit = slice(random);
      const RUN_END end = run_program(fast.machine, limit, ON_DIAGNOSTIC::go_on);
      const int64_t executed = reference.single_steps(limit);
      ASSERT_EQ(end.executed, executed) << "round " << round << " turn " << turn;
      ASSERT_EQ(machine_state(fast.test), machine_state(reference.test))
          << "round " << round << " turn " << turn << " after " << executed << " instructions";
      if (end.reason == RUN_END::finished) break;
      if (end.reason == RUN_END::breakpoint) {
        fast.start();
        reference.start();
      }
    }
  }
  EXPECT_GT(compared, 120) << "the generator should mostly produce programs that build";
}

}  // namespace
