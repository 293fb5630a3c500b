// The console interface: text to the standard output; its run builds the project unless a
// project file was loaded (which built it), then runs it in batch or opens the debugger.
#include "driver/command_line_interface.h"

#include "driver/batch_run.h"
#include "driver/console_debugger.h"
#include "pipeline/context.h"

void COMMAND_LINE_INTERFACE::put_string(std::string_view text) {
  context_.output.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void COMMAND_LINE_INTERFACE::flush() {
  context_.output.flush();
}

int COMMAND_LINE_INTERFACE::run() {
  PROJECT_MANAGER& project = context_.project_manager;
  if (!project.is_open()) project.update();
  if (project.compiler_stopped) return 1;
  if (mode_ == CONSOLE_MODE::batch_run) return batch_run(context_, check_hazards_);
  CONSOLE_DEBUGGER debugger(context_);
  if (check_hazards_) debugger.check_hazards();
  return debugger.run();
}
