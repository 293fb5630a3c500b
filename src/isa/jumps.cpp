// Jumps, calls, branches, returns and the software interrupt. Only the PC arithmetic of the
// machine is used (64 bits wide), so no target address can overflow.
#include "isa/jumps.h"

#include "base/error_handler.h"
#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
constexpr int64_t interrupt_address = 3;

void push_return_address(MACHINE& machine, const ASM& instruction) {
  const int64_t back = machine.program_counter.value + 1;
  machine.stack.push(static_cast<int32_t>(back), instruction.position(), machine.error_handler);
}

void jump_through(MACHINE& machine, const ASM& instruction, const REGISTER& ra) {
  machine.program_counter.jump_to_register(machine.registers, ra, instruction.position(),
                                           machine.error_handler);
}

// Taken: jump through ra, 4 periods; untaken: the next word, 1 period.
void branch_through(MACHINE& machine, const ASM& instruction, const REGISTER& ra, bool taken,
                    int periods) {
  if (taken) {
    jump_through(machine, instruction, ra);
    machine.clock.advance(periods);
  } else {
    next_instruction(machine, 1);
  }
}

void branch_relative(MACHINE& machine, int32_t offset, bool taken, int periods) {
  if (taken) {
    machine.program_counter.add(offset);
    machine.clock.advance(periods);
  } else {
    next_instruction(machine, 1);
  }
}

// A return address outside the ROM is reported and the program counter stays on the return.
bool return_to_popped(MACHINE& machine, const ASM& instruction, std::string_view message) {
  const int32_t address = machine.stack.pop(instruction.position(), machine.error_handler);
  if (address >= 0 && address < machine.rom.size()) {
    machine.program_counter.value = address;
    return true;
  }
  ERROR_HANDLER& error_handler = machine.error_handler;
  error_handler.add_position(instruction.position());
  error_handler.append(address).append(message).error();
  return false;
}

void append_flag_jump(std::string& text, std::string_view mnemonic, char flag, const REGISTER& ra) {
  text += mnemonic;
  text += " #";
  text += flag;
  text += ",(R";
  text += std::to_string(ra.number);
  text += ')';
}

void append_indirect(std::string& text, std::string_view mnemonic, const REGISTER& ra) {
  text += mnemonic;
  text += " (R";
  text += std::to_string(ra.number);
  text += ')';
}
}  // namespace

void IJMP::execute(MACHINE& machine) {
  jump_through(machine, *this, *r_);
  machine.clock.advance(periods);
}

void IJMP::append_text(std::string& text, const MACHINE&) const {
  append_indirect(text, row().mnemonic, *r_);
}

void ICALL::execute(MACHINE& machine) {
  push_return_address(machine, *this);
  jump_through(machine, *this, *r_);
  machine.clock.advance(periods);
}

void ICALL::append_text(std::string& text, const MACHINE&) const {
  append_indirect(text, row().mnemonic, *r_);
}

IB0::IB0(POSITION position, char flag, REGISTER* ra)
    : INSTRUCTION(position, ra, flag_bit(flag)), flag_(flag) {}

void IB0::execute(MACHINE& machine) {
  branch_through(machine, *this, *r_, !machine.status.bit(immediate_), periods);
}

void IB0::append_text(std::string& text, const MACHINE&) const {
  append_flag_jump(text, row().mnemonic, flag_, *r_);
}

IB1::IB1(POSITION position, char flag, REGISTER* ra)
    : INSTRUCTION(position, ra, flag_bit(flag)), flag_(flag) {}

void IB1::execute(MACHINE& machine) {
  branch_through(machine, *this, *r_, machine.status.bit(immediate_), periods);
}

void IB1::append_text(std::string& text, const MACHINE&) const {
  append_flag_jump(text, row().mnemonic, flag_, *r_);
}

void RJMP::execute(MACHINE& machine) {
  branch_relative(machine, offset(), true, periods);
}

void RCALL::execute(MACHINE& machine) {
  push_return_address(machine, *this);
  branch_relative(machine, offset(), true, periods);
}

void RB0::execute(MACHINE& machine) {
  branch_relative(machine, offset(), !machine.status.bit(flag_bit_), periods);
}

void RB1::execute(MACHINE& machine) {
  branch_relative(machine, offset(), machine.status.bit(flag_bit_), periods);
}

void RET::execute(MACHINE& machine) {
  return_to_popped(machine, *this, ": RET out of ROM.");
  machine.clock.advance(periods);
}

void RETI::execute(MACHINE& machine) {
  return_to_popped(machine, *this, ": RETI out of ROM.");
  machine.status.set_bit(S_R::I, true);
  machine.clock.advance(periods);
}

void INT::execute(MACHINE& machine) {
  push_return_address(machine, *this);
  machine.status.set_bit(S_R::I, false);
  machine.program_counter.value = interrupt_address;
  machine.clock.advance(periods);
}
