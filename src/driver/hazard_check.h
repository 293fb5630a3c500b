// The -check option: each executed instruction is compared with the two executed before it, so
// that a C program the build did not pad shows where the real pipeline would read stale values.
// The checked run steps one instruction at a time, with the stopping rules of the free run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forwarding/hazards.h"
#include "run/fast_run.h"

class MACHINE;

class HAZARD_CHECK {
 public:
  static constexpr std::size_t shown_hazards = 5;

  // Looks at the instruction at address (nullptr for an empty slot) as it is about to execute.
  void observe(int64_t address, const ASM* object, const MACHINE& machine);
  // After a break in the run (a single step nobody checked, a rebuild): no history.
  void forget();

  int64_t count() const { return count_; }
  // "Pipeline hazards: none." or the count and the first few hazards, one line each.
  std::string report() const;

 private:
  struct EXECUTED {
    int64_t address = -1;
    PIPELINE_FACTS facts;
  };
  void record(int64_t address, const EXECUTED& earlier, const char* distance,
              const MACHINE& machine);

  EXECUTED last_;
  EXECUTED before_last_;
  int64_t count_ = 0;
  std::vector<std::string> shown_;
};

// Runs as run_program does (same limit, breakpoints, end and diagnostic stop), one instruction
// at a time, showing each instruction that executes to the check.
RUN_END run_checked(MACHINE& machine, HAZARD_CHECK& check, int64_t limit,
                    ON_DIAGNOSTIC on_diagnostic);
