// Words that do nothing to the program's data: NOP, the internal-error trap IEM (which shares
// NOP's code, so ROM images never see it) and PMC, a program constant that LPM reads.
#pragma once

#include "isa/instruction_forms.h"

class NOP final : public INSTRUCTION<OPCODE::NOP, ASM_NO_OPERAND> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class IEM final : public INSTRUCTION<OPCODE::IEM, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  uint16_t code() const override { return row_of(OPCODE::NOP).pattern; }
  void execute(MACHINE& machine) override;
};

class PMC final : public INSTRUCTION<OPCODE::PMC, ASM_FORM> {
 public:
  PMC(POSITION position, int32_t value) : INSTRUCTION(position), value_(value) {}
  uint16_t code() const override { return static_cast<uint16_t>(value_); }
  void append_text(std::string& text, const MACHINE& machine) const override;
  void execute(MACHINE& machine) override;
  int32_t value() const { return value_; }

 private:
  int32_t value_;
};
