// Indirect jumps through a register (pair), and the program counter line of the debugger.
#include "machine/program_counter.h"

#include "base/error_handler.h"
#include "machine/machine.h"
#include "machine/register_pool.h"

int64_t PROGRAM_COUNTER::address_in(const REGISTER_POOL& registers, const REGISTER& r) const {
  int64_t address = registers.unsigned_value(r);
  if (needs_pair()) {
    const REGISTER* high = registers.next_register(r);
    if (high != nullptr)
      address += int64_t{registers.unsigned_value(*high)} << parameters_.data_size;
  }
  return address;
}

void PROGRAM_COUNTER::jump_to_register(const REGISTER_POOL& registers, const REGISTER& r,
                                       const POSITION& position, ERROR_HANDLER& error_handler) {
  value = address_in(registers, r);
  if (!is_valid(value)) error_handler.error_at(position, "Program counter out of range.");
}

const POSITION* PROGRAM_COUNTER::current_position(const MACHINE& machine) const {
  const ASM* object = machine.rom.fetch(value);
  return object != nullptr ? &object->position() : nullptr;
}

void PROGRAM_COUNTER::append_line(std::string& text, const MACHINE& machine) const {
  append_line_at(text, machine, value);
}

void PROGRAM_COUNTER::append_line_at(std::string& text, const MACHINE& machine,
                                     int64_t address) const {
  const std::size_t start = text.size();
  text += "PC = ";
  text += std::to_string(address);
  while (text.size() - start < 10) text += ' ';
  machine.rom.append_instruction_text(text, address, machine);
  while (text.size() - start < 40) text += ' ';
}
