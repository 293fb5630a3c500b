#include "codegen/codegen.h"

#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "machine/machine.h"

CODEGEN::CODEGEN(MACHINE& machine, ERROR_HANDLER& error_handler, ECHO& echo, C_PROGRAM& program)
    : machine(machine),
      error_handler(error_handler),
      echo(echo),
      program(program),
      code(machine.rom),
      roles(machine.registers) {}

CODEGEN::~CODEGEN() = default;

void CODEGEN::reset() {
  media_.clear();
  register_media_.clear();
  declared_media.clear();
  functions.clear();
  current_function = nullptr;
  media_valid = false;
  recursion.reset();
  exit_jumps.clear();
  loops.clear();
  switch_breaks.clear();
  asm_save_area = -1;
  pending_gotos.clear();
  sm.reset();
  pool.reset();
  routines.reset();
  code.position = POSITION{};
  for (int n = 0; n < REGISTER_POOL::capacity; ++n)
    register_media_.push_back(&make<REGISTER_SM>(machine.registers.at(n)));
}

REGISTER_SM& CODEGEN::register_medium(int n) {
  return *register_media_.at(n);
}

RAM_SM& CODEGEN::new_ram_medium(int words) {
  const int32_t address = machine.ram.allocate(words);
  return make<RAM_SM>(address, words);
}

int CODEGEN::width() const {
  return machine.parameters.data_size;
}

bool CODEGEN::wide_ram() const {
  return machine.parameters.ram_address_width > machine.parameters.data_size;
}

bool CODEGEN::wide_rom() const {
  return machine.parameters.pc_width > machine.parameters.data_size;
}

void CODEGEN::internal_error(const std::string& what) const {
  throw COMPILER_STOP{"Internal error of the code generator: " + what + ".", code.position};
}

const C_FUNCTION* CODEGEN::program_main() const {
  return program.main;
}
