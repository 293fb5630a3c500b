// Encoding and printing of the operand forms; the field layout comes from the opcode row.
#include "isa/instruction_forms.h"

#include "machine/register_pool.h"

namespace {
constexpr uint16_t low_bits(int64_t value, int width) {
  return static_cast<uint16_t>(value & ((int64_t{1} << width) - 1));
}

void append_register(std::string& text, const REGISTER* r) {
  text += 'R';
  text += std::to_string(r->number);
}

int number_of(const REGISTER* r) {
  return r != nullptr ? r->number : NO_REGISTER;
}
}  // namespace

REGISTER_OPERANDS ASM_FORM::register_operands() const {
  const REGISTER_OPERANDS r = operands_as_written();
  switch (row().pipeline.layout) {
    case OPERAND_LAYOUT::SWAPPED:
      return {r.b, r.a};
    case OPERAND_LAYOUT::ONLY_B:
      return {NO_REGISTER, r.a};
    case OPERAND_LAYOUT::AS_WRITTEN:
      break;
  }
  return r;
}

REGISTER_OPERANDS ASM_R::operands_as_written() const {
  return {number_of(r_), NO_REGISTER};
}

REGISTER_OPERANDS ASM_RR::operands_as_written() const {
  return {number_of(first_), number_of(second_)};
}

REGISTER_OPERANDS ASM_R_IMM::operands_as_written() const {
  return {number_of(r_), NO_REGISTER};
}

void ASM_FORM::append_mnemonic(std::string& text) const {
  text += row().mnemonic;
}

void ASM_NO_OPERAND::append_text(std::string& text, const MACHINE&) const {
  append_mnemonic(text);
}

uint16_t ASM_R::code() const {
  return row().pattern | low_bits(r_->number, row().register_width);
}

void ASM_R::append_text(std::string& text, const MACHINE&) const {
  append_mnemonic(text);
  text += ' ';
  append_register(text, r_);
}

uint16_t ASM_RR::code() const {
  return row().pattern | low_bits(second_->number, 5) << 5 | low_bits(first_->number, 5);
}

void ASM_RR::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",", "");
}

void ASM_RR::append_with_address(std::string& text, const char* before, const char* after) const {
  append_mnemonic(text);
  text += ' ';
  append_register(text, first_);
  text += before;
  append_register(text, second_);
  text += after;
}

void ASM_LDX_DEC::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",-(", ")");
}

uint16_t ASM_R_IMM::code() const {
  const OPCODE_ROW& r = row();
  return r.pattern | low_bits(immediate_, r.immediate_width) << r.immediate_shift |
         low_bits(r_->number, r.register_width);
}

void ASM_R_IMM::append_text(std::string& text, const MACHINE&) const {
  append_mnemonic(text);
  text += ' ';
  append_register(text, r_);
  text += ",#";
  text += std::to_string(immediate_);
}

PREDECODED ASM_R::operand_record() const {
  return {FAST_KIND::generic, static_cast<uint8_t>(r_->number), 0, 1, 0};
}

PREDECODED ASM_RR::operand_record() const {
  return {FAST_KIND::generic, static_cast<uint8_t>(first_->number),
          static_cast<uint8_t>(second_->number), 1, 0};
}

PREDECODED ASM_R_IMM::operand_record() const {
  return {FAST_KIND::generic, static_cast<uint8_t>(r_->number), 0, 1, immediate_};
}
