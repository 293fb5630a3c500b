// Register, status, immediate and port transfers.
#include "isa/transfers.h"

#include "base/error_handler.h"
#include "isa/alu.h"
#include "isa/next_instruction.h"

namespace {
constexpr int last_port = 127;
constexpr int last_short_register = 7;  // the 3-bit register fields reach R0 to R7

int32_t checked_port(const POSITION& position, int32_t port, ERROR_HANDLER& error_handler) {
  if (port >= 0 && port <= last_port) return port;
  error_handler.add_position(position);
  error_handler.append(port).append(" : port number out of range.").error();
  return 0;
}

void check_port_register(MACHINE& machine, const ASM& instruction, const REGISTER& r) {
  if (r.number > last_short_register)
    machine.error_handler.error_at(instruction.position(),
                                   "Bad input/output register (greater than 7).");
}

void check_immediate_register(MACHINE& machine, const ASM& instruction, const REGISTER& r) {
  if (r.number <= last_short_register) return;
  ERROR_HANDLER& error_handler = machine.error_handler;
  error_handler.add_position(instruction.position());
  error_handler.append("Incompatible register R")
      .append(r.number)
      .append(" for LDIL/LDIH.")
      .error();
}

void append_port_text(std::string& text, std::string_view mnemonic, const REGISTER& r,
                      int32_t port) {
  text += mnemonic;
  text += " R";
  text += std::to_string(r.number);
  text += ',';
  text += std::to_string(port);
}
}  // namespace

void TFR::execute(MACHINE& machine) {
  first_->value = kernel(second_->value);
  next_instruction(machine, periods);
}

void TFSR::execute(MACHINE& machine) {
  r_->value = machine.status.status_word(machine.parameters.data_size);
  next_instruction(machine, periods);
}

// Bits 6 and 5 do not exist in the status register.
void TTSR::execute(MACHINE& machine) {
  machine.status.set_status_word(r_->value & 0x9F);
  next_instruction(machine, periods);
}

void LDIL::execute(MACHINE& machine) {
  r_->value = kernel(r_->value, immediate_, data_width(machine));
  next_instruction(machine, periods);
}

void LDIL::check_placement(MACHINE& machine) {
  check_immediate_register(machine, *this, *r_);
}

void LDIH::execute(MACHINE& machine) {
  r_->value = kernel(r_->value, immediate_, data_width(machine));
  next_instruction(machine, periods);
}

void LDIH::check_placement(MACHINE& machine) {
  check_immediate_register(machine, *this, *r_);
}

IN::IN(POSITION position, REGISTER* rd, int32_t port, ERROR_HANDLER& error_handler)
    : INSTRUCTION(position, rd, checked_port(position, port, error_handler)) {}

// Port words may hold any value; the register keeps its N-bit form.
void IN::execute(MACHINE& machine) {
  r_->value = sign_extend(machine.devices.read_port(immediate_), machine.parameters.data_size);
  next_instruction(machine, periods);
}

void IN::append_text(std::string& text, const MACHINE&) const {
  append_port_text(text, row().mnemonic, *r_, immediate_);
}

void IN::check_placement(MACHINE& machine) {
  check_port_register(machine, *this, *r_);
}

OUT::OUT(POSITION position, REGISTER* rs, int32_t port, ERROR_HANDLER& error_handler)
    : INSTRUCTION(position, rs, checked_port(position, port, error_handler)) {}

void OUT::execute(MACHINE& machine) {
  machine.devices.write_port(immediate_, r_->value);
  next_instruction(machine, periods);
}

void OUT::append_text(std::string& text, const MACHINE&) const {
  append_port_text(text, row().mnemonic, *r_, immediate_);
}

void OUT::check_placement(MACHINE& machine) {
  check_port_register(machine, *this, *r_);
}
