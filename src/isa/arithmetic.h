// The adding and subtracting instructions: ADD, ADC, ADI, SUB, SUBC, CMP, CMPI and NEG. Results
// are brought back to N bits and the add or subtract flags set from operands and result.
#pragma once

#include "isa/instruction_forms.h"

class ADC final : public INSTRUCTION<OPCODE::ADC, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class ADD final : public INSTRUCTION<OPCODE::ADD, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class ADI final : public INSTRUCTION<OPCODE::ADI, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class SUB final : public INSTRUCTION<OPCODE::SUB, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

// SUBC: subtract with carry; Z only stays set when it was set before.
class SUBC_Z final : public INSTRUCTION<OPCODE::SUBC, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class CMP final : public INSTRUCTION<OPCODE::CMP, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class CMPI final : public INSTRUCTION<OPCODE::CMPI, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class NEG final : public INSTRUCTION<OPCODE::NEG, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};
