// Relative branches: offsets from labels or set directly, their encoding, text and reach.
#include "isa/branch_forms.h"

#include "base/error_handler.h"
#include "isa/asm_label.h"
#include "isa/immediate_range.h"
#include "machine/hexadecimal.h"
#include "machine/machine.h"
#include "machine/status_register.h"

int32_t ASM_BR::offset() const {
  return label_ != nullptr ? label_->address - placed_address() : offset_;
}

void ASM_BR::set_target(int64_t address, const ROM& rom) {
  offset_ = static_cast<int32_t>(address - rom.address_of(this));
  label_ = nullptr;
}

PREDECODED ASM_BR::operand_record() const {
  return {FAST_KIND::generic, 0, 0, 1, placed_address() + offset()};
}

uint16_t ASM_BR::offset_field() const {
  const int width = row().immediate_width;
  return static_cast<uint16_t>(offset() & ((1 << width) - 1));
}

uint16_t ASM_BR::code() const {
  return row().pattern | offset_field();
}

void ASM_BR::check_placement(MACHINE& machine) {
  if (!immediate_range(row().opcode).holds(offset()))
    machine.error_handler.error_at(position(), "Relative branch too far.");
}

void ASM_BR::append_text(std::string& text, const MACHINE& machine) const {
  append_mnemonic(text);
  text += ' ';
  append_branch_operand(text, machine);
}

void ASM_BR::append_branch_operand(std::string& text, const MACHINE& machine) const {
  const int64_t target = int64_t{machine.rom.address_of(this)} + offset();
  text += "#0x";
  append_hexadecimal(text, static_cast<uint32_t>(offset()), 2);
  text += " (jump at 0x";
  const bool in_rom = target >= 0 && target < machine.rom.size();
  append_hexadecimal(text, static_cast<uint32_t>(target),
                     in_rom ? (machine.parameters.pc_width + 3) / 4 : 8);
  text += ')';
}

ASM_BR_IMM::ASM_BR_IMM(POSITION position, char flag, ASM_LABEL* label)
    : ASM_BR(position, label), flag_(flag), flag_bit_(flag_bit(flag)) {}

ASM_BR_IMM::ASM_BR_IMM(POSITION position, char flag, int32_t offset)
    : ASM_BR(position, offset), flag_(flag), flag_bit_(flag_bit(flag)) {}

PREDECODED ASM_BR_IMM::operand_record() const {
  PREDECODED record = ASM_BR::operand_record();
  record.b = static_cast<uint8_t>(flag_bit_);
  return record;
}

uint16_t ASM_BR_IMM::code() const {
  return ASM_BR::code() | flag_bit_ << 7;
}

void ASM_BR_IMM::append_text(std::string& text, const MACHINE& machine) const {
  append_mnemonic(text);
  text += " #";
  text += flag_;
  text += ',';
  append_branch_operand(text, machine);
}
