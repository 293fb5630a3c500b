// The relative branches: RJMP and RCALL (ASM_BR), RB0 and RB1 (ASM_BR_IMM, which also name a
// status flag). The offset is target minus the branch's own address; with a label it follows
// the label's address and the branch's ROM slot, read directly, so executing never searches.
#pragma once

#include <cstdint>
#include <string>

#include "isa/instruction_forms.h"

struct ASM_LABEL;

class ASM_BR : public ASM_FORM {
 public:
  ASM_BR(POSITION position, ASM_LABEL* label) : ASM_FORM(position), label_(label) {}
  ASM_BR(POSITION position, int32_t offset) : ASM_FORM(position), offset_(offset) {}

  uint16_t code() const override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  // "Relative branch too far." when the offset does not fit the code's offset field.
  void check_placement(MACHINE& machine) override;

  // Aims the branch at a ROM address: offset := address - address_of(branch); drops the label.
  void set_target(int64_t address, const ROM& rom);
  int32_t offset() const;
  ASM_LABEL* label() const { return label_; }
  // The target as an absolute ROM address.
  PREDECODED operand_record() const;

 protected:
  // " #0x05 (jump at 0x0015)": the offset's low byte, then the target address.
  void append_branch_operand(std::string& text, const MACHINE& machine) const;
  uint16_t offset_field() const;

 private:
  ASM_LABEL* label_ = nullptr;
  int32_t offset_ = 0;
};

class ASM_BR_IMM : public ASM_BR {
 public:
  ASM_BR_IMM(POSITION position, char flag, ASM_LABEL* label);
  ASM_BR_IMM(POSITION position, char flag, int32_t offset);

  uint16_t code() const override;
  void append_text(std::string& text, const MACHINE& machine) const override;
  char flag() const { return flag_; }
  PREDECODED operand_record() const;

 protected:
  char flag_;
  int flag_bit_;  // the flag's bit in the status word, also its 3-bit code
};
