// The logical instructions AND, OR, EOR, COM and the single-bit instructions BITSET, BITCLR,
// BITCHG and BITST.
#pragma once

#include "isa/instruction_forms.h"

class ASM_AND final : public INSTRUCTION<OPCODE::AND, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class ASM_OR final : public INSTRUCTION<OPCODE::OR, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

// EOR of a register with itself is the usual way to clear it, and prints as CLR.
class EOR final : public INSTRUCTION<OPCODE::EOR, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class COM final : public INSTRUCTION<OPCODE::COM, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class BITCHG final : public INSTRUCTION<OPCODE::BITCHG, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class BITCLR final : public INSTRUCTION<OPCODE::BITCLR, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class BITSET final : public INSTRUCTION<OPCODE::BITSET, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class BITST final : public INSTRUCTION<OPCODE::BITST, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};
