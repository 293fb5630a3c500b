// The root's procedure: the verbose pre-scan, the options, then the mode. The batch modes install
// the console interface before reading their file arguments, so any text of the loading goes there.
#include "driver/tavrel.h"

#include <memory>

#include "driver/code_listing.h"
#include "driver/command_line.h"
#include "driver/command_line_interface.h"
#include "pipeline/context.h"
#include "pipeline/output_guard.h"
#include "rom_image/binary_text_file.h"

namespace {

int run_windowed(CONTEXT& context, const SCREEN_MAKER& make_screen) {
  context.machine.execution.hold();
  if (!make_screen) {
    context.error_output << "Tavrel : this program has no windowed mode.\n";
    return 1;
  }
  context.user_interface.install(make_screen(context));
  return context.user_interface.current()->run();
}

// -compile and -asm_list end with status 1 when any error was reported during the command,
// the loading of a project file included, so that scripts can rely on them.
int status_of_command(const CONTEXT& context) {
  return context.error_handler.total_error_count() > 0 ? 1 : 0;
}

int compile(CONTEXT& context) {
  PROJECT_MANAGER& project = context.project_manager;
  project.update();
  if (project.compiler_stopped) return 1;
  if (context.error_handler.error_count() > 0) return status_of_command(context);
  const std::string& path = project.binary_text_file_path;
  if (would_overwrite_project_file(context, path))
    context.error_handler.error_without_position("Binary text file \"" + path +
                                                 "\" would overwrite a source or project file.\n");
  else
    write_binary_text_file(path, context.machine, context.files, context.error_handler);
  return status_of_command(context);
}

int list_assembly(CONTEXT& context) {
  context.project_manager.update();
  if (context.project_manager.compiler_stopped) return 1;
  list_code(context.machine, context.user_interface);
  return status_of_command(context);
}

// The console's mode is its own; the run state starts as the mode needs it: free to run under
// -run, held at the debugger's prompt.
int run_batch(CONTEXT& context, COMMAND_LINE& command_line) {
  const MODE mode = command_line.mode();
  const CONSOLE_MODE console =
      mode == MODE::debug ? CONSOLE_MODE::debugger : CONSOLE_MODE::batch_run;
  context.user_interface.install(
      std::make_unique<COMMAND_LINE_INTERFACE>(context, console, command_line.check_hazards()));
  if (!command_line.read_file_arguments(command_line.first_file_index())) return 1;
  switch (mode) {
    case MODE::run:
      context.machine.execution.start();
      return context.user_interface.current()->run();
    case MODE::debug:
      context.machine.execution.hold();
      return context.user_interface.current()->run();
    case MODE::compile:
      return compile(context);
    default:
      return list_assembly(context);
  }
}

}  // namespace

int run_tavrel(CONTEXT& context, const std::vector<std::string>& arguments,
               const SCREEN_MAKER& make_screen) {
  COMMAND_LINE command_line(context, arguments);
  command_line.scan_for_verbose();
  if (!command_line.read_options()) return 1;
  if (command_line.mode() == MODE::windowed) return run_windowed(context, make_screen);
  return run_batch(context, command_line);
}
