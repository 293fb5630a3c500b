// RAM access through address registers, with the post-increment and pre-decrement forms that
// wrap around the RAM, and LPM, which reads a ROM word's code without going through text.
#include "isa/memory_access.h"

#include "base/error_handler.h"
#include "base/file_kind.h"
#include "base/src_file.h"
#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
int32_t address_in(const MACHINE& machine, const REGISTER& ra) {
  return machine.ram.address_in(machine.registers, ra);
}

// Writes the new address back, sets Z as the instruction says and warns when it wrapped to 0.
void store_new_address(MACHINE& machine, const ASM& instruction, REGISTER& ra, int32_t address) {
  machine.ram.store_address(address, machine.registers, ra);
  if (address == 0)
    machine.error_handler.warning_at(instruction.position(), "address in RAM has done a loop.");
}

int32_t incremented(const MACHINE& machine, int32_t address) {
  return address < machine.ram.last_address() ? address + 1 : 0;
}

int32_t decremented(const MACHINE& machine, int32_t address) {
  return address > 0 ? address - 1 : machine.ram.last_address();
}

bool is_assembly_source(const POSITION& position) {
  if (position.source_file == nullptr) return false;
  return is_assembly_file(position.source_file->path());
}
}  // namespace

void LD::execute(MACHINE& machine) {
  first_->value =
      machine.ram.read(address_in(machine, *second_), position(), machine.error_handler);
  next_instruction(machine, periods);
}

void LD::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",(", ")");
}

void ST::execute(MACHINE& machine) {
  machine.ram.write(address_in(machine, *second_), first_->value, position(),
                    machine.error_handler);
  next_instruction(machine, periods);
}

void ST::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",(", ")");
}

void LDX_INCREMENT::execute(MACHINE& machine) {
  const int32_t address = address_in(machine, *second_);
  first_->value = machine.ram.read(address, position(), machine.error_handler);
  const int32_t next = incremented(machine, address);
  machine.status.set_bit(S_R::Z, next == 0);
  store_new_address(machine, *this, *second_, next);
  next_instruction(machine, periods);
}

void LDX_INCREMENT::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",(", ")+");
}

// Reading below the stack of values already written loads 0 without a warning.
void LDX_DECREMENT::execute(MACHINE& machine) {
  const int32_t address = decremented(machine, address_in(machine, *second_));
  store_new_address(machine, *this, *second_, address);
  first_->value = machine.ram.word(address);
  machine.status.set_bit(S_R::Z, second_->value == 0);
  next_instruction(machine, periods);
}

void STX_INCREMENT::execute(MACHINE& machine) {
  const int32_t address = address_in(machine, *second_);
  machine.ram.write(address, first_->value, position(), machine.error_handler);
  const int32_t next = incremented(machine, address);
  machine.status.set_bit(S_R::Z, next == 0);
  store_new_address(machine, *this, *second_, next);
  next_instruction(machine, periods);
}

void STX_INCREMENT::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",(", ")+");
}

void STX_DECREMENT::execute(MACHINE& machine) {
  const int32_t address = decremented(machine, address_in(machine, *second_));
  store_new_address(machine, *this, *second_, address);
  machine.ram.write(address, first_->value, position(), machine.error_handler);
  machine.status.set_bit(S_R::Z, address == 0);
  next_instruction(machine, periods);
}

// A word beyond the ROM, or an empty slot, loads 0.
void LPM::execute(MACHINE& machine) {
  const int n = machine.parameters.data_size;
  const int64_t address = machine.program_counter.address_in(machine.registers, *second_);
  const ASM* object = machine.rom.fetch(address);
  const int16_t code = object != nullptr ? static_cast<int16_t>(object->code()) : 0;
  first_->value = sign_extend(code, n);
  if (n < 16) {
    if (first_->number < machine.parameters.register_count - 1)
      machine.registers.at(first_->number + 1).value = sign_extend(code >> n, n);
    else if (is_assembly_source(position()))
      machine.error_handler.warning_at(position(), "Truncated value during LPM.");
  }
  next_instruction(machine, periods);
}

void LPM::append_text(std::string& text, const MACHINE&) const {
  append_with_address(text, ",(", ")");
}
