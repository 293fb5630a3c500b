// A machine with all flags cleared, and helpers to run one instruction and read the flags.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "isa/instructions.h"
#include "machine/test_machine.h"

class ISA_FIXTURE : public ::testing::Test {
 protected:
  void SetUp() override { m.status.set_status_word(0); }

  REGISTER* R(int n) { return t.R(n); }
  void data_size(int n) { m.configuration.set_data_size(n); }

  // Builds the instruction from its operands and executes it once, off the ROM.
  template <class T, class... OPERANDS>
  void run(OPERANDS... operands) {
    T instruction(POSITION{}, operands...);
    instruction.execute(m);
  }

  // The set flags in status-word order, e.g. "SVZC"; "" when none is set.
  std::string flags() const {
    std::string letters;
    for (char letter : {'I', 'S', 'V', 'N', 'Z', 'C'})
      if (m.status.flag(letter)) letters += letter;
    return letters;
  }

  std::string code_of(const ASM& instruction) const {
    std::string text;
    instruction.append_code(text);
    return text;
  }

  std::string text_of(const ASM& instruction) const {
    std::string text;
    instruction.append_text(text, m);
    return text;
  }

  TEST_MACHINE t;
  MACHINE& m = t.machine;
};
