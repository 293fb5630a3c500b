// The -debug prompt: one-letter commands read line by line from the standard input. An empty
// line steps one instruction; end of input acts as Q, also while stepping. The output is
// buffered and flushed only before a wait for the next line, and at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "driver/hazard_check.h"

struct CONTEXT;
struct POSITION;

class CONSOLE_DEBUGGER {
 public:
  explicit CONSOLE_DEBUGGER(CONTEXT& context) : context_(context) {}

  // Prompts until Q or the end of the input, then writes a newline.
  // Answers the exit status: 0, or 1 after a compiler stop.
  int run();

  // Bounds each C to this many instructions, after which it stops as an interrupt does.
  void limit_runs(int64_t instructions) { run_limit_ = instructions; }
  // -check: every instruction executed, by steps and by C, goes through the hazard check, and
  // each C ends with its report (the count since the last build).
  void check_hazards() { check_.emplace(); }

 private:
  bool read_line();
  bool at_line_end() const { return cursor_ >= line_.size(); }
  void interpret_line();
  void step_on_empty_lines();
  void execute_command(char command);
  std::string argument() const { return line_.empty() ? line_ : line_.substr(1); }
  const POSITION* current_position() const;
  void show_source_line(const POSITION& position);

  void show_help();
  void show_registers();
  void show_program_counter();
  void show_listing();
  void rebuild();
  void show_status();
  void show_memory();
  void toggle_breakpoint();
  void continue_execution();
  void about_bubble();
  void show_clock();
  void quit();

  void write(const std::string& text);
  void check_step();

  CONTEXT& context_;
  std::string line_;
  std::size_t cursor_ = 0;
  bool quit_ = false;
  int status_ = 0;
  int64_t run_limit_ = INT64_MAX;
  std::optional<HAZARD_CHECK> check_;
};
