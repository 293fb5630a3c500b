// NOP, the internal-error trap and program constants.
#include "isa/special.h"

#include "base/error_handler.h"
#include "isa/next_instruction.h"

void NOP::execute(MACHINE& machine) {
  next_instruction(machine, periods);
}

// Reports the register it names; takes no clock period, being no instruction of the processor.
void IEM::execute(MACHINE& machine) {
  std::string line;
  machine.registers.append_register_line(*r_, line);
  ERROR_HANDLER& error_handler = machine.error_handler;
  error_handler.add_position(position());
  error_handler.append("Internal Error Message : ").append(line).error();
  machine.program_counter.advance();
}

void PMC::append_text(std::string& text, const MACHINE&) const {
  text += '#';
  text += std::to_string(value_);
  text += " (PMC)";
}

void PMC::execute(MACHINE& machine) {
  machine.error_handler.error_at(
      position(),
      "Attempt to execute Program Constant Memory (PMC).\nThis is not allowed on the simulator.");
  next_instruction(machine, periods);
}
