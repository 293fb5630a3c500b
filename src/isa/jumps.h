// Everything that moves the program counter other than by one: the indirect jumps and calls
// through a register (pair), the relative branches, the returns and the software interrupt.
#pragma once

#include "isa/branch_forms.h"
#include "isa/instruction_forms.h"

class IJMP final : public INSTRUCTION<OPCODE::IJMP, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class ICALL final : public INSTRUCTION<OPCODE::ICALL, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

// IB0 #F,(Ra) and IB1 #F,(Ra): jump through Ra when flag F is 0 (IB0) or 1 (IB1).
class IB0 final : public INSTRUCTION<OPCODE::IB0, ASM_R_IMM> {
 public:
  IB0(POSITION position, char flag, REGISTER* ra);
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  char flag() const { return flag_; }

 private:
  char flag_;
};

class IB1 final : public INSTRUCTION<OPCODE::IB1, ASM_R_IMM> {
 public:
  IB1(POSITION position, char flag, REGISTER* ra);
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  char flag() const { return flag_; }

 private:
  char flag_;
};

class RJMP final : public INSTRUCTION<OPCODE::RJMP, ASM_BR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class RCALL final : public INSTRUCTION<OPCODE::RCALL, ASM_BR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class RB0 final : public INSTRUCTION<OPCODE::RB0, ASM_BR_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class RB1 final : public INSTRUCTION<OPCODE::RB1, ASM_BR_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class RET final : public INSTRUCTION<OPCODE::RET, ASM_NO_OPERAND> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class RETI final : public INSTRUCTION<OPCODE::RETI, ASM_NO_OPERAND> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

// The software interrupt: continues at ROM address 3 with I cleared.
class INT final : public INSTRUCTION<OPCODE::INT, ASM_NO_OPERAND> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};
