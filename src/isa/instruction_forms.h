// The operand forms shared by the instruction classes. A form holds the operands and knows how
// they are encoded and printed; the INSTRUCTION template binds a form to its row of the opcode
// table, so each mnemonic's class only adds its execute (and its own text where it differs).
#pragma once

#include <cstdint>
#include <string>

#include "isa/alu_kernels.h"
#include "isa/opcode_table.h"
#include "machine/asm.h"

struct REGISTER;
class ERROR_HANDLER;

// A processor instruction described by a row of the opcode table.
class ASM_FORM : public ASM {
 public:
  using ASM::ASM;

  int instruction_number() const override { return row().number; }
  bool writes_status() const override { return row().writes_status; }
  bool reads_status() const override { return row().reads_status; }
  PIPELINE_USE pipeline_use() const override { return row().pipeline; }
  REGISTER_OPERANDS register_operands() const override;
  // The operands as the fast run loop's record holds them (the form's own, hiding this one).
  PREDECODED operand_record() const { return {}; }

 protected:
  virtual const OPCODE_ROW& row() const = 0;
  // The first and second register of the assembly text.
  virtual REGISTER_OPERANDS operands_as_written() const { return {}; }
  void append_mnemonic(std::string& text) const;
};

// Binds a form to one opcode; `periods` is the instruction's clock count, known at compile time.
template <OPCODE op, class FORM>
class INSTRUCTION : public FORM {
 public:
  using FORM::FORM;
  static constexpr int periods = row_of(op).periods;

  PREDECODED predecode() const override {
    PREDECODED record = FORM::operand_record();
    record.kind = fast_kind_of(op);
    return record;
  }

 protected:
  const OPCODE_ROW& row() const final { return row_of(op); }
  // The instruction's own arithmetic and flags, shared with the fast run loop; only an opcode
  // whose kernel is written has one.
  template <class... OPERANDS>
  static constexpr auto kernel(OPERANDS... operands) {
    return ALU_KERNEL<op>::apply(operands...);
  }
};

// No operand: NOP, RET, RETI, INT.
class ASM_NO_OPERAND : public ASM_FORM {
 public:
  using ASM_FORM::ASM_FORM;
  uint16_t code() const override { return row().pattern; }
  void append_text(std::string& text, const MACHINE& machine) const override;
};

// One register: ASR R1, IJMP (R2), ...
class ASM_R : public ASM_FORM {
 public:
  ASM_R(POSITION position, REGISTER* r) : ASM_FORM(position), r_(r) {}
  uint16_t code() const override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  REGISTER* first_register() const { return r_; }
  PREDECODED operand_record() const;

 protected:
  REGISTER_OPERANDS operands_as_written() const override;

  REGISTER* r_;
};

// Two registers, the first in the low field: ADD Rd,Rs, LD Rd,(Ra), LPM Rd,(Ra), ...
class ASM_RR : public ASM_FORM {
 public:
  ASM_RR(POSITION position, REGISTER* first, REGISTER* second)
      : ASM_FORM(position), first_(first), second_(second) {}
  uint16_t code() const override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  REGISTER* first_register() const { return first_; }
  REGISTER* second_register() const { return second_; }
  PREDECODED operand_record() const;

 protected:
  REGISTER_OPERANDS operands_as_written() const override;
  // mnemonic, blank, first register, before, second register, after: LD R1,(R2)
  void append_with_address(std::string& text, const char* before, const char* after) const;

  REGISTER* first_;
  REGISTER* second_;
};

// A stored register and an address register: ST Rs,(Ra), STX Rs,(Ra)+.
class ASM_SS : public ASM_RR {
 public:
  using ASM_RR::ASM_RR;
};

// The pre-decrement forms LDX Rd,-(Ra) and STX Rs,-(Ra).
class ASM_LDX_DEC : public ASM_RR {
 public:
  using ASM_RR::ASM_RR;
  void append_text(std::string& text, const MACHINE& machine) const override;
};

// A register and an immediate (value, bit index, port or flag code): ADI R1,#5, ...
class ASM_R_IMM : public ASM_FORM {
 public:
  ASM_R_IMM(POSITION position, REGISTER* r, int32_t immediate)
      : ASM_FORM(position), r_(r), immediate_(immediate) {}
  uint16_t code() const override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  REGISTER* first_register() const { return r_; }
  int32_t immediate() const { return immediate_; }
  PREDECODED operand_record() const;

 protected:
  REGISTER_OPERANDS operands_as_written() const override;
  REGISTER* r_;
  int32_t immediate_;
};
