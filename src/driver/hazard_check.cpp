// The hazard check and its stepping run. A breakpoint that stops the run did not execute its
// instruction, so the check only learns an instruction once it has really executed.
#include "driver/hazard_check.h"

#include <cstdio>
#include <filesystem>

#include "base/error_handler.h"
#include "base/src_file.h"
#include "machine/machine.h"

namespace {

std::string rom_address(int64_t address) {
  char text[24];
  std::snprintf(text, sizeof text, "ROM 0x%04llX", static_cast<unsigned long long>(address));
  return text;
}

// " (gcd.c line 12)", or nothing for an instruction without a source line.
std::string source_of(const ASM* object) {
  if (object == nullptr || object->position().source_file == nullptr) return "";
  const POSITION& position = object->position();
  const std::string name = std::filesystem::path(position.source_file->path()).filename().string();
  return " (" + name + " line " + std::to_string(position.line) + ")";
}

// Without the breakpoint mark: the hazard is the instruction's, wherever a breakpoint stands.
std::string instruction_text(int64_t address, const MACHINE& machine) {
  std::string text;
  if (const ASM* object = machine.rom.fetch(address))
    unwrapped(*object).append_text(text, machine);
  else
    machine.rom.append_instruction_text(text, address, machine);
  return text;
}

bool has_diagnostics(const ERROR_HANDLER& errors) {
  return errors.error_count() != 0 || errors.warning_count() != 0;
}

}  // namespace

void HAZARD_CHECK::observe(int64_t address, const ASM* object, const MACHINE& machine) {
  EXECUTED current{address, object != nullptr ? pipeline_facts(*object) : PIPELINE_FACTS{}};
  const PROCESSOR_PARAMETERS& parameters = machine.parameters;
  if (last_.address >= 0 && depends_on(current.facts, last_.facts, parameters))
    record(address, last_, "one instruction", machine);
  else if (before_last_.address >= 0 && depends_on(current.facts, before_last_.facts, parameters))
    record(address, before_last_, "two instructions", machine);
  before_last_ = last_;
  last_ = current;
}

void HAZARD_CHECK::forget() {
  last_ = EXECUTED{};
  before_last_ = EXECUTED{};
}

void HAZARD_CHECK::record(int64_t address, const EXECUTED& earlier, const char* distance,
                          const MACHINE& machine) {
  count_ += 1;
  if (shown_.size() >= shown_hazards) return;
  shown_.push_back("  " + rom_address(address) + source_of(machine.rom.fetch(address)) + ": " +
                   instruction_text(address, machine) + " reads what " +
                   instruction_text(earlier.address, machine) + " wrote " + distance +
                   " before.\n");
}

std::string HAZARD_CHECK::report() const {
  if (count_ == 0) return "Pipeline hazards: none.\n";
  std::string text = "Pipeline hazards: " + std::to_string(count_) + ".\n";
  for (const std::string& line : shown_) text += line;
  return text;
}

RUN_END run_checked(MACHINE& machine, HAZARD_CHECK& check, int64_t limit,
                    ON_DIAGNOSTIC on_diagnostic) {
  int64_t executed = 0;
  int64_t last_address = -1;
  while (executed < limit) {
    const int64_t address = machine.program_counter.value;
    if (address < 0 || address >= machine.rom.size())
      return {RUN_END::finished, executed, last_address};
    const ASM* object = machine.rom.fetch(address);
    machine.rom.execute_at(address, machine);
    executed += 1;
    last_address = address;
    if (!machine.execution.running()) {
      if (machine.execution.state() != RUN_STATE::at_breakpoint)
        check.observe(address, object, machine);
      return {RUN_END::breakpoint, executed, address};
    }
    check.observe(address, object, machine);
    if (on_diagnostic == ON_DIAGNOSTIC::stop && has_diagnostics(machine.error_handler))
      return {RUN_END::diagnostic, executed, address};
  }
  return {RUN_END::limit, executed, last_address};
}
