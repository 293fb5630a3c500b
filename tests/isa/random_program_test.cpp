// Robustness: random assembly text, made of the assembler's own words and of stray characters,
// must never crash or hang the assembler, the pipeline's checks or the simulator, whatever the
// processor's size. A fixed seed keeps failures reproducible.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "machine/execution.h"
#include "pipeline/project_manager.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

const std::vector<std::string> words = {
    "ADD",   "ADC",  "SUB",    "SUBC",  "AND",  "OR",         "EOR", "TFR",         "CMP",
    "CMPI",  "ADI",  "LDIL",   "LDIH",  "LD",   "ST",         "LDX", "STX",         "LPM",
    "IN",    "OUT",  "IJMP",   "ICALL", "IB0",  "IB1",        "RB0", "RB1",         "RJMP",
    "RCALL", "RET",  "RETI",   "INT",   "NOP",  "PMC",        "IEM", "CLR",         "INC",
    "DEC",   "BREQ", "BRNE",   "CST",   "ASR",  "LSL",        "LSR", "ROL",         "ROR",
    "NEG",   "COM",  "BITSET", "BITST", "TTSR", "TFSR",       " R0", " R1",         " R2",
    " R7",   " R31", "RX-1",   ",",     "(",    ")",          ")+",  "-(",          "#",
    "#0x7F", "#-64", "#255",   "#Z",    "#C",   "#I",         "#S",  "#4000000000", "#0b101",
    "#0o17", " lab", "lab:",   "\n",    "\n",   "\n",         "\n",  ";c",          "*c",
    "\t",    " ",    "\r\n",   "127",   "96",   "#_TAVREL_N", " X",  "#SIZE",       "R99999999999"};

std::string random_text(std::mt19937& random) {
  std::uniform_int_distribution<size_t> pick(0, words.size() - 1);
  std::uniform_int_distribution<int> stray(0, 9);
  std::uniform_int_distribution<int> byte(1, 255);
  std::string text;
  for (int i = 0; i < 120; ++i) {
    if (stray(random) == 0)
      text += static_cast<char>(byte(random));
    else
      text += words[pick(random)];
    if (stray(random) < 4) text += ' ';
  }
  return text;
}

struct SIZE {
  int n, x, m, l;
};

void configure(CONTEXT& context, const SIZE& size) {
  context.machine.configuration.set_data_size(size.n);
  context.machine.configuration.set_register_count(size.x);
  context.machine.configuration.set_pc_width(size.m);
  context.machine.configuration.set_ram_address_width(size.l);
}

TEST(RandomProgram, assembler_pipeline_and_simulator_survive_random_text) {
  const SIZE sizes[] = {{8, 8, 16, 6}, {16, 32, 24, 16}, {10, 12, 20, 9}, {8, 16, 24, 16}};
  std::mt19937 random(20261208);
  TEMPORARY_DIRECTORY directory;
  for (int round = 0; round < 200; ++round) {
    const SIZE& size = sizes[round % 4];
    TEST_CONTEXT test;
    CONTEXT& context = test.context;
    configure(context, size);
    // Labels start in column 1 only when a line begins with a letter; both kinds occur.
    std::string path = directory.write("r" + std::to_string(round) + ".s", random_text(random));
    context.source_paths.add_source_file(path);
    context.project_manager.update();
    for (int steps = 0; steps < 5000 && !execute_one(context.machine); ++steps) {
    }
    if (context.error_handler.error_count() == 0) {
      for (int32_t a = 0; a < context.machine.rom.size(); ++a)
        ASSERT_NE(context.machine.rom.fetch(a), nullptr) << "empty slot after a build";
    }
  }
}

// A line of valid assembly with random operands; labels L0 to L9 are defined on some lines.
std::string random_instruction(std::mt19937& random, int registers) {
  auto number = [&](int low, int high) {
    return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
  };
  const std::string r = "R" + number(0, registers - 1);
  const std::string s = "R" + number(0, registers - 1);
  const std::string even = "R" + std::to_string(2 * (std::stoi(number(0, registers / 2 - 1))));
  const std::string low = "R" + number(0, 7);
  const std::string label = "L" + number(0, 9);
  const std::string flag = std::string("#") + "CZNVSI"[std::stoi(number(0, 5))];
  const std::vector<std::string> forms = {"ADD " + r + "," + s,
                                          "SUBC " + r + "," + s,
                                          "EOR " + r + "," + s,
                                          "ADI " + r + ",#" + number(-64, 63),
                                          "LDIL " + low + ",#" + number(0, 255),
                                          "LDIH " + low + ",#" + number(0, 255),
                                          "LD " + r + ",(" + even + ")",
                                          "ST " + r + ",(" + even + ")",
                                          "LDX " + r + ",(" + even + ")+",
                                          "STX " + r + ",-(" + even + ")",
                                          "LPM " + r + ",(" + even + ")",
                                          "IN " + low + "," + number(0, 126),
                                          "OUT " + low + "," + number(0, 126),
                                          "IJMP (" + even + ")",
                                          "ICALL (" + even + ")",
                                          "IB1 " + flag + ",(" + even + ")",
                                          "RB0 " + flag + "," + label,
                                          "RJMP " + label,
                                          "RCALL " + label,
                                          "RET",
                                          "RETI",
                                          "INT",
                                          "PMC #" + number(-40000, 70000),
                                          "TTSR " + r,
                                          "TFSR " + r,
                                          "ROR " + r,
                                          "ASR " + r,
                                          "NEG " + r,
                                          "BITCHG " + r + ",#" + number(0, 7),
                                          "CMPI " + r + ",#" + number(-64, 63)};
  return forms[std::uniform_int_distribution<size_t>(0, forms.size() - 1)(random)];
}

std::string random_program(std::mt19937& random, int registers) {
  std::string text;
  for (int line = 0; line < 60; ++line) {
    if (line % 6 == 0 && line / 6 < 10) text += "L" + std::to_string(line / 6) + ":";
    text += "  " + random_instruction(random, registers) + "\n";
  }
  return text;
}

TEST(RandomProgram, simulator_survives_random_valid_programs) {
  const SIZE sizes[] = {{8, 8, 16, 6},   {16, 32, 24, 16}, {10, 12, 20, 9},
                        {8, 16, 24, 16}, {16, 8, 16, 6},   {12, 20, 17, 14}};
  std::mt19937 random(1208);
  TEMPORARY_DIRECTORY directory;
  int built = 0;
  for (int round = 0; round < 300; ++round) {
    const SIZE& size = sizes[round % 6];
    TEST_CONTEXT test;
    CONTEXT& context = test.context;
    configure(context, size);
    context.machine.configuration.set_stack_size(4 + round % 61);
    std::string path =
        directory.write("v" + std::to_string(round) + ".s", random_program(random, size.x));
    context.source_paths.add_source_file(path);
    context.project_manager.update();
    if (context.error_handler.error_count() != 0) continue;
    ++built;
    // Every diagnostic re-reads the source for its caret, so long runs of reports are cut short.
    const ERROR_HANDLER& errors = context.error_handler;
    for (int steps = 0; steps < 20000 && errors.error_count() + errors.warning_count() < 20;
         ++steps)
      if (execute_one(context.machine)) break;
  }
  EXPECT_GT(built, 250) << "the generator should mostly produce programs that build";
}

}  // namespace
