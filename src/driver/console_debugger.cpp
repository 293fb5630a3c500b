// The debugger's command language. A command is the first non-blank character of a line; its
// argument is the whole line without its first character, so "B 12" reads " 12".
#include "driver/console_debugger.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <sstream>
#include <utility>

#include "codegen/source_inspection.h"
#include "driver/code_listing.h"
#include "driver/input_line.h"
#include "driver/integer_argument.h"
#include "driver/interrupt_request.h"
#include "machine/execution.h"
#include "pipeline/context.h"
#include "run/fast_run.h"

namespace {

constexpr const char* help_text =
    "(H)elp to view this list.\n(R)egister [number].\n(P)rogram counter.\n(L)ist asm code.\n"
    "(U)pdate all (re-read all sources files).\n(S)tatus register and Stack.\n"
    "(M)emory <address> (view RAM word).\n(B)reakpoint <line> (set or unset).\n"
    "(C)continue execution in -run mode.\n(A)bout bubble <line> <column>.\n"
    "(T)ime: clock periods.\n(Q)uit.\n"
    "<CR> step by step execution.\n";

// About a millisecond of simulated run between looks at the interrupt.
constexpr int64_t slice_size = int64_t{1} << 20;

bool is_within_code(const MACHINE& machine) {
  const int64_t pc = machine.program_counter.value;
  return pc >= 0 && pc < machine.rom.size();
}

}  // namespace

int CONSOLE_DEBUGGER::run() {
  while (!quit_) {
    write("Tavrel > ");
    if (!read_line()) break;
    interpret_line();
  }
  write("\n");
  context_.user_interface.flush();
  return status_;
}

bool CONSOLE_DEBUGGER::read_line() {
  cursor_ = 0;
  if (!read_input_line(context_.input, context_.user_interface, line_)) {
    quit_ = true;
    return false;
  }
  if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  return true;
}

void CONSOLE_DEBUGGER::interpret_line() {
  step_on_empty_lines();
  while (!quit_ && !at_line_end()) {
    const char c = line_[cursor_];
    if (c == ' ' || c == '\t') {
      ++cursor_;
      continue;
    }
    execute_command(c);
    cursor_ = line_.size();
  }
}

// Each empty line steps once: the source line of the instruction, then its description.
void CONSOLE_DEBUGGER::step_on_empty_lines() {
  std::string description;
  while (!quit_ && line_.empty()) {
    if (const POSITION* position = current_position()) show_source_line(*position);
    check_step();
    step(context_.machine, description);
    write(description);
    read_line();
  }
}

// The command letters, upper case; a lower-case letter is the same command.
void CONSOLE_DEBUGGER::execute_command(char command) {
  using ACTION = void (CONSOLE_DEBUGGER::*)();
  static constexpr std::pair<char, ACTION> commands[] = {
      {'H', &CONSOLE_DEBUGGER::show_help},
      {'?', &CONSOLE_DEBUGGER::show_help},
      {'R', &CONSOLE_DEBUGGER::show_registers},
      {'P', &CONSOLE_DEBUGGER::show_program_counter},
      {'L', &CONSOLE_DEBUGGER::show_listing},
      {'U', &CONSOLE_DEBUGGER::rebuild},
      {'S', &CONSOLE_DEBUGGER::show_status},
      {'M', &CONSOLE_DEBUGGER::show_memory},
      {'B', &CONSOLE_DEBUGGER::toggle_breakpoint},
      {'C', &CONSOLE_DEBUGGER::continue_execution},
      {'A', &CONSOLE_DEBUGGER::about_bubble},
      {'T', &CONSOLE_DEBUGGER::show_clock},
      {'Q', &CONSOLE_DEBUGGER::quit}};
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
  for (const auto& [key, action] : commands) {
    if (key == letter) {
      (this->*action)();
      return;
    }
  }
  write("Unknow command \"" + line_ + "\"\nType H to view command list.\n");
}

void CONSOLE_DEBUGGER::show_help() {
  write(help_text);
}

void CONSOLE_DEBUGGER::show_listing() {
  list_code(context_.machine, context_.user_interface);
}

// A compiler stop ends the session as it ends every batch mode.
void CONSOLE_DEBUGGER::rebuild() {
  context_.project_manager.update();
  if (check_) check_.emplace();
  if (!context_.project_manager.compiler_stopped) return;
  status_ = 1;
  quit_ = true;
}

void CONSOLE_DEBUGGER::show_status() {
  std::string text;
  context_.machine.status.append_display(text);
  write(text);
  context_.machine.stack.append_display(text);
  write(text);
}

void CONSOLE_DEBUGGER::quit() {
  quit_ = true;
}

const POSITION* CONSOLE_DEBUGGER::current_position() const {
  return context_.machine.program_counter.current_position(context_.machine);
}

void CONSOLE_DEBUGGER::show_registers() {
  const REGISTER_POOL& registers = context_.machine.registers;
  std::string text;
  if (std::optional<long long> n = parse_integer_argument(argument())) {
    registers.append_register_line(*n, text);
    write(text);
    return;
  }
  for (int n = 0; n < registers.register_count(); ++n) {
    registers.append_register_line(n, text);
    write(text);
  }
}

void CONSOLE_DEBUGGER::show_program_counter() {
  std::string text;
  context_.machine.program_counter.append_line(text, context_.machine);
  write(text + "\n");
  if (const POSITION* position = current_position()) show_source_line(*position);
}

void CONSOLE_DEBUGGER::show_memory() {
  std::optional<long long> address = parse_integer_argument(argument());
  if (!address) {
    write("Bad memory address: " + argument() + "\n");
    return;
  }
  std::string text;
  context_.machine.ram.append_word_line(text, *address);
  write(text);
}

void CONSOLE_DEBUGGER::toggle_breakpoint() {
  std::optional<long long> line = parse_integer_argument(argument());
  if (!line) {
    write("Bad breakpoint line : " + argument() + "\n");
    return;
  }
  const POSITION* position = current_position();
  if (position == nullptr || position->source_file == nullptr) return;
  const SRC_FILE& file = *position->source_file;
  BREAKPOINT_TABLE& breakpoints = context_.machine.breakpoints;
  const int n = static_cast<int>(*line);
  const std::string where = std::to_string(n) + " of \"" + file.path() + "\".\n";
  if (*line != n) {
    write("line " + std::to_string(*line) + " is not reachable.\n");
    return;
  }
  switch (breakpoints.breakpoint_state(file, n)) {
    case line_without_code:
      write("line " + std::to_string(n) + " is not reachable.\n");
      break;
    case line_with_breakpoint:
      breakpoints.remove_breakpoint(file, n);
      write("Removing breakpoint at line " + where);
      break;
    case line_without_breakpoint:
      breakpoints.set_breakpoint(file, n);
      write("Breakpoint at line " + where);
  }
}

// Runs until a breakpoint, the end of the code, an interrupt or the run limit. Only the last
// step's description is shown, so the loop itself executes without building any text. The run
// goes in slices so that an interrupt is seen within a fraction of a second.
void CONSOLE_DEBUGGER::continue_execution() {
  MACHINE& machine = context_.machine;
  EXECUTION_STATE& execution = machine.execution;
  write("Running...\n");
  int64_t last_address = machine.program_counter.value;
  check_step();
  if (is_within_code(machine)) execute_one(machine);  // moves off a breakpoint
  execution.start();
  {
    const INTERRUPT_REQUEST interrupt;
    int64_t remaining = run_limit_;
    while (is_within_code(machine) && execution.running()) {
      const int64_t slice = std::min(remaining, slice_size);
      const RUN_END end = check_ ? run_checked(machine, *check_, slice, ON_DIAGNOSTIC::go_on)
                                 : run_program(machine, slice, ON_DIAGNOSTIC::go_on);
      if (end.last_address >= 0) last_address = end.last_address;
      remaining -= end.executed;
      if (end.reason != RUN_END::limit) break;
      if (interrupt.requested())
        execution.hold(RUN_STATE::interrupted);
      else if (remaining <= 0)
        execution.hold(RUN_STATE::stopped);
    }
  }
  std::string description;
  if (!execution.running()) {
    const bool at_breakpoint = execution.state() == RUN_STATE::at_breakpoint;
    write(at_breakpoint ? "Breakpoint reached.\n" : "Stopped.\n");
    machine.program_counter.append_line_at(description, machine, last_address);
  } else {
    step(machine, description);
    execution.hold(RUN_STATE::finished);
  }
  write(description + "\n");
  if (check_) write(check_->report());
}

// Shows the instruction about to execute by hand to the check, if any.
void CONSOLE_DEBUGGER::check_step() {
  const MACHINE& machine = context_.machine;
  if (check_ && is_within_code(machine))
    check_->observe(machine.program_counter.value, machine.rom.fetch(machine.program_counter.value),
                    machine);
}

void CONSOLE_DEBUGGER::show_clock() {
  write("clock periods: " + std::to_string(context_.machine.clock.periods()) + "\n");
}

void CONSOLE_DEBUGGER::about_bubble() {
  std::istringstream words(argument());
  long long line = 0;
  long long column = 0;
  std::string rest;
  if (!(words >> line >> column) || (words >> rest)) return;
  const POSITION* position = current_position();
  if (position == nullptr || position->source_file == nullptr) return;
  write(about_text(context_.codegen, *position->source_file, static_cast<int>(line),
                   static_cast<int>(column)) +
        "\n");
}

// Through the cache: a file is read at its first line shown after a build, not at every step.
void CONSOLE_DEBUGGER::show_source_line(const POSITION& position) {
  show(position, context_.user_interface, context_.source_lines);
}

// Buffered: reading the next line flushes when it would wait, and run flushes at the end.
void CONSOLE_DEBUGGER::write(const std::string& text) {
  context_.user_interface.put_string(text);
}
