#include "driver/batch_run.h"

#include <cstdint>
#include <string>

#include "machine/execution.h"
#include "pipeline/context.h"

namespace {

// In verbose mode a finished run says what it cost: the point of a cycle-counting simulator.
void echo_run_totals(CONTEXT& context, int64_t instructions) {
  context.echo.echo_string("Program finished after " + std::to_string(instructions) +
                           " instructions and " + std::to_string(context.machine.clock.periods()) +
                           " clock periods.\n");
}

}  // namespace

int batch_run(CONTEXT& context) {
  ERROR_HANDLER& errors = context.error_handler;
  MACHINE& machine = context.machine;
  int64_t instructions = 0;
  // The counts are tested before every instruction, so a diagnostic ends the run right after
  // the instruction that reported it.
  while (true) {
    if (errors.error_count() >= 1) {
      errors.error_without_position("Error(s) in batch -run mode.");
      return 1;
    }
    if (errors.warning_count() >= 1) {
      errors.error_without_position("Warning(s) in batch -run mode.");
      return 1;
    }
    if (execute_one(machine)) {
      echo_run_totals(context, instructions);
      return 0;
    }
    ++instructions;
  }
}
