// Times the window's free run offscreen: builds examples/bench/loop.s for 16-bit registers with
// the clock, machine code and registers views open, runs it for a while, stops it from a timer
// and prints one line of figures for bench/run_bench.py:
//     window_run_bench <loop.s> [milliseconds]
// The instructions are counted exactly from where the loop stands when it stops (its counters
// and the program counter), since the window keeps no instruction count of its own.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "gui/commands.h"
#include "gui/main_window.h"
#include "gui/screen_interface.h"
#include "gui/views/echo_window.h"
#include "pipeline/context.h"
#include "pipeline/project_files.h"

namespace {

// The ROM of loop.s as built (see -asm_list): 0-1 load R3, 2-5 padding and load R1, 6-9 the
// inner loop (two NOPs, R1 - 1, branch while R1 != 0), 10-11 R3 - 1 and the outer branch.
constexpr int64_t loop_rom_words = 12;
constexpr int64_t outer_turns = 1907;
constexpr int64_t inner_turns = 65535;
constexpr int64_t outer_turn_instructions = 4 + inner_turns * 4 + 2;

// Instructions executed before the one at pc, given the two counters' values.
int64_t instructions_executed(int64_t pc, int64_t r1, int64_t r3) {
  if (pc < 2) return pc;
  const int64_t outer_done = outer_turns - r3 - (pc == 11 ? 1 : 0);
  int64_t within;
  if (pc <= 5)
    within = pc - 2;
  else if (pc <= 9)
    within = 4 + 4 * (inner_turns - r1 - (pc == 9 ? 1 : 0)) + (pc - 6);
  else
    within = 4 + 4 * inner_turns + (pc - 10);
  return 2 + outer_done * outer_turn_instructions + within;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_run_bench <loop.s> [milliseconds]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string source = std::filesystem::absolute(argv[1]).string();
  const int run_milliseconds = argc > 2 ? std::stoi(argv[2]) : 2000;

  // A directory of its own as the startup directory, so no last-project file lands elsewhere.
  QTemporaryDir directory;
  std::istringstream input;
  std::ostringstream output;
  std::ostringstream error_output;
  CONTEXT context(input, output, error_output, directory.path().toStdString());
  auto screen = std::make_unique<SCREEN_INTERFACE>(context, ICON_DIRECTORY);
  SCREEN_INTERFACE* raw_screen = screen.get();
  context.user_interface.install(std::move(screen));
  context.user_interface.stop = true;
  auto window = std::make_unique<MAIN_WINDOW>(context, ICON_DIRECTORY);
  raw_screen->attach(window.get());
  window->show();

  context.machine.configuration.set_data_size(16);
  new_project(context, directory.filePath("bench.tvr").toStdString());
  context.source_paths.add_source_file(source);
  window->execute_command(UPDATE);
  if (context.error_handler.error_count() > 0 || context.machine.rom.size() != loop_rom_words) {
    std::fprintf(stderr, "window_run_bench: %s did not build as the 12 words of loop.s\n%s",
                 source.c_str(), window->messages().text().toStdString().c_str());
    return 1;
  }
  window->execute_command(CLOCK_VIEW);
  window->execute_command(MACHINE_CODE_VIEW);
  window->execute_command(REGISTERS_VIEW);
  QApplication::processEvents();

  QElapsedTimer clock;
  qint64 run_started = 0;
  qint64 stop_due = 0;
  qint64 stop_called = 0;
  qint64 stop_done = 0;
  int64_t instructions = 0;
  // The timer counts from here: its due time is run_milliseconds after the clock's start.
  clock.start();
  QTimer::singleShot(run_milliseconds, Qt::PreciseTimer, [&] {
    stop_called = clock.nsecsElapsed();
    // The state at the moment Stop takes effect: no slice runs between here and STOP.
    const MACHINE& machine = context.machine;
    instructions = instructions_executed(machine.program_counter.value,
                                         machine.registers.at(1).value & 0xFFFF,
                                         machine.registers.at(3).value & 0xFFFF);
    window->execute_command(STOP);
    stop_done = clock.nsecsElapsed();
    // Leaves the event loop without closing the window, which would ask to save the project.
    QCoreApplication::exit(0);
  });
  stop_due = static_cast<qint64>(run_milliseconds) * 1'000'000;
  run_started = clock.nsecsElapsed();
  window->execute_command(RUN);
  application.exec();

  const bool finished = context.machine.program_counter.value >= loop_rom_words;
  const double seconds = (stop_called - run_started) / 1e9;
  std::printf(
      "instructions=%lld periods=%lld run_s=%.6f instructions_per_s=%.0f periods_per_s=%.0f "
      "stop_late_ms=%.3f stop_command_ms=%.3f finished=%d\n",
      static_cast<long long>(instructions),
      static_cast<long long>(context.machine.clock.periods()), seconds, instructions / seconds,
      context.machine.clock.periods() / seconds, (stop_called - stop_due) / 1e6,
      (stop_done - stop_called) / 1e6, finished ? 1 : 0);
  raw_screen->attach(nullptr);
  window.reset();
  return finished ? 1 : 0;
}
