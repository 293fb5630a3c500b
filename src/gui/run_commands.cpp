// Builds, Run, Stop and Step. A free run is the idle loop: whenever the window has no event
// waiting, the machine runs slices of at most 1000 instructions, so Stop and every other click
// are handled within a slice. The views are redrawn when a run stops; while it runs only the
// clock and the current line follow it, at most once per screen frame.
#include <QApplication>

#include "gui/commands.h"
#include "gui/dialogs/message_boxes.h"
#include "gui/main_window.h"
#include "gui/source_lookup.h"
#include "gui/views/src_file_window.h"
#include "machine/execution.h"
#include "pipeline/context.h"
#include "run/fast_run.h"

namespace {

constexpr int slice_size = 1000;
// How long one turn of the idle loop may run slices before the window looks at its events
// again: well under a frame, so a click is answered at once.
constexpr qint64 turn_nanoseconds = 4'000'000;
constexpr qint64 frame_milliseconds = 16;

bool is_within_rom(const MACHINE& machine) {
  const int64_t pc = machine.program_counter.value;
  return pc >= 0 && pc < machine.rom.size();
}

}  // namespace

// A compiler stop is reported by the build as an error, so the window and the project stay.
void MAIN_WINDOW::build() {
  context_.project_manager.update();
  source_->reload();
  after_build();
}

void MAIN_WINDOW::after_build() {
  build_failed_ = context_.error_handler.error_count() > 0;
  if (hazard_check_) hazard_check_.emplace();
  if (const std::optional<std::string> missing = missing_source(context_))
    error_box(this, "File error", "File \"" + *missing + "\" not found.");
}

// After a build the source view shows the first error, or else where the program starts.
void MAIN_WINDOW::show_build_result() {
  const std::optional<POSITION>& first = context_.error_handler.first_position();
  if (build_failed_ && first && first->source_file != nullptr)
    source_->mark_line(first->source_file->path(), first->line);
  else
    show_current_line();
}

void MAIN_WINDOW::step() {
  stop_running();
  PROJECT_MANAGER& project = context_.project_manager;
  if (project.needs_update) build();
  if (build_failed_) return;
  MACHINE& machine = context_.machine;
  if (!is_within_rom(machine)) {
    announce_end();
    project.needs_update = true;
  } else {
    const int64_t address = machine.program_counter.value;
    const ASM* object = machine.rom.fetch(address);
    execute_one(machine);
    if (hazard_check_) hazard_check_->observe(address, object, machine);
    if (is_within_rom(machine)) show_current_line();
  }
  refresh_views();
}

// The first instruction runs while the machine is still held, so a run that starts on a
// breakpoint executes the instruction under it instead of stopping again.
void MAIN_WINDOW::run() {
  if (is_running()) return;
  step();
  if (build_failed_ || context_.project_manager.needs_update) return;
  context_.machine.execution.start();
  since_frame_.start();
  idle_.start();
}

void MAIN_WINDOW::stop() {
  if (is_running()) report_hazards();
  context_.machine.execution.hold();
  idle_.stop();
  refresh_views();
  show_current_line();
}

void MAIN_WINDOW::stop_running() {
  if (is_running()) stop();
}

void MAIN_WINDOW::run_slices() {
  MACHINE& machine = context_.machine;
  EXECUTION_STATE& execution = machine.execution;
  QElapsedTimer turn;
  turn.start();
  int64_t last_address = -1;
  while (execution.running()) {
    const RUN_END end =
        hazard_check_ ? run_checked(machine, *hazard_check_, slice_size, ON_DIAGNOSTIC::go_on)
                      : run_program(machine, slice_size, ON_DIAGNOSTIC::go_on);
    if (end.last_address >= 0) last_address = end.last_address;
    if (end.reason == RUN_END::finished) {
      execution.hold(RUN_STATE::finished);
      idle_.stop();
      refresh_views();
      report_hazards();
      announce_end();
      context_.project_manager.needs_update = true;
      source_->clear_mark();
      return;
    }
    if (end.reason == RUN_END::breakpoint) {
      report_hazards();
      idle_.stop();
      refresh_views();
      break;
    }
    if (turn.nsecsElapsed() >= turn_nanoseconds) break;
  }
  if (!execution.running()) {
    idle_.stop();
    mark_source_of(last_address);
  } else if (since_frame_.elapsed() >= frame_milliseconds) {
    follow_running_machine(last_address);
  }
}

// Between frames nothing is drawn: the clock and the current line catch up once per frame.
void MAIN_WINDOW::follow_running_machine(int64_t last_address) {
  since_frame_.restart();
  if (MACHINE_VIEW* clock = view(CLOCK_VIEW)) clock->refresh();
  mark_source_of(last_address);
}

void MAIN_WINDOW::mark_source_of(int64_t address) {
  const ASM* object = context_.machine.rom.fetch(address);
  if (object != nullptr && object->position().source_file != nullptr)
    source_->mark_line(object->position().source_file->path(), object->position().line);
}

void MAIN_WINDOW::report_hazards() {
  if (hazard_check_) context_.user_interface.put_string(hazard_check_->report());
}

void MAIN_WINDOW::announce_end() {
  context_.user_interface.put_string("The program is finished.\n");
  QApplication::beep();
}

void MAIN_WINDOW::show_current_line() {
  const POSITION* position = context_.machine.program_counter.current_position(context_.machine);
  if (position != nullptr && position->source_file != nullptr)
    source_->mark_line(position->source_file->path(), position->line);
  else
    source_->clear_mark();
}
