// Moving values between registers, the status register, immediates and ports: TFR, TFSR, TTSR,
// LDIL, LDIH, IN and OUT. The last four encode only R0 to R7, which check_placement enforces.
#pragma once

#include "isa/instruction_forms.h"

class TFR final : public INSTRUCTION<OPCODE::TFR, ASM_RR> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class TFSR final : public INSTRUCTION<OPCODE::TFSR, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class TTSR final : public INSTRUCTION<OPCODE::TTSR, ASM_R> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
};

class LDIL final : public INSTRUCTION<OPCODE::LDIL, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void check_placement(MACHINE& machine) override;
};

class LDIH final : public INSTRUCTION<OPCODE::LDIH, ASM_R_IMM> {
 public:
  using INSTRUCTION::INSTRUCTION;
  void execute(MACHINE& machine) override;
  void check_placement(MACHINE& machine) override;
};

// A port outside 0 to 127 is reported at construction and replaced by port 0.
class IN final : public INSTRUCTION<OPCODE::IN, ASM_R_IMM> {
 public:
  IN(POSITION position, REGISTER* rd, int32_t port, ERROR_HANDLER& error_handler);
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  void check_placement(MACHINE& machine) override;
};

class OUT final : public INSTRUCTION<OPCODE::OUT, ASM_R_IMM> {
 public:
  OUT(POSITION position, REGISTER* rs, int32_t port, ERROR_HANDLER& error_handler);
  void execute(MACHINE& machine) override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  void check_placement(MACHINE& machine) override;
};
