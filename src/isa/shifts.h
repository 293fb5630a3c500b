// The one-bit shifts and rotations ASR, LSR, LSL, ROL and ROR, working within N bits.
#pragma once

#include "isa/instruction_forms.h"

class ASR final : public INSTRUCTION<OPCODE::ASR, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class LSR final : public INSTRUCTION<OPCODE::LSR, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class LSL final : public INSTRUCTION<OPCODE::LSL, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class ROL final : public INSTRUCTION<OPCODE::ROL, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class ROR final : public INSTRUCTION<OPCODE::ROR, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};
