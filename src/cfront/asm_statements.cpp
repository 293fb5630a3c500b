// The checks of assembly inside C: a register named in C must exist on the configured machine,
// and an #asm macro checks its registers, the C values it loads and stores, and its body.
#include "cfront/asm_statements.h"

#include "base/error_handler.h"
#include "cfront/assignments.h"
#include "cfront/c_program.h"
#include "machine/asm.h"
#include "machine/machine.h"

void REGISTER_FROM_C::check(C_PROGRAM& program) {
  if (number < 0 || number >= program.register_count()) {
    program.services.error_handler.error_at(position, "This register is not available.");
    number = 0;
  }
  machine_register = &program.services.machine.registers.at(number);
}

namespace {

// Both sides of each assignment, from the last assignment to the first; no type is tested.
void simplify_assignments(std::vector<SIMPLE_ASSIGNMENT*>& assignments, C_PROGRAM& program) {
  for (auto assignment = assignments.rbegin(); assignment != assignments.rend(); ++assignment) {
    simplify_operand((*assignment)->target, program);
    simplify_operand((*assignment)->source, program);
  }
}

}  // namespace

void ASM_MACRO::check(C_PROGRAM& program) {
  program.note_asm_register_count(static_cast<int>(registers.size()));
  for (auto r = registers.rbegin(); r != registers.rend(); ++r) (*r)->check(program);
  simplify_assignments(inputs, program);
  if (body != nullptr) body->check(program);
  simplify_assignments(outputs, program);
}

ASM_CALL::ASM_CALL(COMPOUND* block, POSITION position, std::unique_ptr<ASM> instruction)
    : OF_KIND(block), position(position), instruction(std::move(instruction)) {}

ASM_CALL::~ASM_CALL() = default;
