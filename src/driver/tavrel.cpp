// The root's procedure: the verbose pre-scan, the options, then the mode. The batch modes install
// the console interface before reading their file arguments, so any text of the loading goes there.
#include "driver/tavrel.h"

#include <memory>

#include "driver/command_line.h"
#include "driver/command_line_interface.h"
#include "driver/context.h"

namespace {

int run_windowed(CONTEXT& context) {
  context.user_interface.stop = true;
  context.error_output << "Tavrel : the windowed mode is not built yet.\n";
  return 1;
}

int run_batch(CONTEXT& context, COMMAND_LINE& command_line) {
  context.user_interface.install(std::make_unique<COMMAND_LINE_INTERFACE>(context));
  if (!command_line.read_file_arguments(command_line.first_file_index())) return 1;
  switch (command_line.mode()) {
    case MODE::run:
      context.user_interface.stop = false;
      return context.user_interface.current()->run();
    case MODE::debug:
      context.user_interface.stop = true;
      return context.user_interface.current()->run();
    default:
      // A project file that failed to load is an error of the run even though the build's
      // reset forgets it.
      return command_line.project_file_failures() > 0 ? 1 : 0;
  }
}

}  // namespace

int run_tavrel(CONTEXT& context, const std::vector<std::string>& arguments) {
  COMMAND_LINE command_line(context, arguments);
  command_line.scan_for_verbose();
  if (!command_line.read_options()) return 1;
  if (command_line.mode() == MODE::windowed) return run_windowed(context);
  return run_batch(context, command_line);
}
