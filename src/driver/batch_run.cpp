#include "driver/batch_run.h"

#include "machine/execution.h"
#include "pipeline/context.h"

int batch_run(CONTEXT& context) {
  ERROR_HANDLER& errors = context.error_handler;
  MACHINE& machine = context.machine;
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
    if (execute_one(machine)) return 0;
  }
}
