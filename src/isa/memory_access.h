// RAM and ROM reads and writes through an address register (a register pair when an address is
// wider than N): LD, ST, LDX and STX with their post-increment and pre-decrement forms, and LPM.
#pragma once

#include "isa/instruction_forms.h"

class LD final : public INSTRUCTION<OPCODE::LD, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class ST final : public INSTRUCTION<OPCODE::ST, ASM_SS> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class LDX_INCREMENT final : public INSTRUCTION<OPCODE::LDX_INCREMENT, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class LDX_DECREMENT final : public INSTRUCTION<OPCODE::LDX_DECREMENT, ASM_LDX_DEC> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class STX_INCREMENT final : public INSTRUCTION<OPCODE::STX_INCREMENT, ASM_SS> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

class STX_DECREMENT final : public INSTRUCTION<OPCODE::STX_DECREMENT, ASM_LDX_DEC> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

// Loads a ROM word: its low N bits into Rd, the rest into the register after it.
class LPM final : public INSTRUCTION<OPCODE::LPM, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
};
