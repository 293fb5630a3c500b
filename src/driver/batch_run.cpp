#include "driver/batch_run.h"

#include <cstdint>
#include <string>

#include "driver/hazard_check.h"
#include "pipeline/context.h"
#include "run/fast_run.h"

namespace {

// In verbose mode a finished run says what it cost: the point of a cycle-counting simulator.
void echo_run_totals(CONTEXT& context, int64_t instructions) {
  context.echo.echo_string("Program finished after " + std::to_string(instructions) +
                           " instructions and " + std::to_string(context.machine.clock.periods()) +
                           " clock periods.\n");
}

int run_to_end(CONTEXT& context, HAZARD_CHECK* check) {
  ERROR_HANDLER& errors = context.error_handler;
  MACHINE& machine = context.machine;
  int64_t instructions = 0;
  // The counts are tested before the first instruction and after every one that may report,
  // so a diagnostic ends the run right after the instruction that reported it. A breakpoint
  // (none is set in this mode) would only pause the loop.
  while (true) {
    if (errors.error_count() >= 1) {
      errors.error_without_position("Error(s) in batch -run mode.");
      return 1;
    }
    if (errors.warning_count() >= 1) {
      errors.error_without_position("Warning(s) in batch -run mode.");
      return 1;
    }
    const RUN_END end = check != nullptr
                            ? run_checked(machine, *check, INT64_MAX, ON_DIAGNOSTIC::stop)
                            : run_program(machine, INT64_MAX, ON_DIAGNOSTIC::stop);
    instructions += end.executed;
    if (end.reason == RUN_END::finished) {
      echo_run_totals(context, instructions);
      return 0;
    }
  }
}

}  // namespace

int batch_run(CONTEXT& context, bool check_hazards) {
  if (!check_hazards) return run_to_end(context, nullptr);
  HAZARD_CHECK check;
  const int status = run_to_end(context, &check);
  context.user_interface.put_string(check.report());
  return status;
}
