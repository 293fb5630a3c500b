#include "driver/command_line_interface.h"

#include "driver/context.h"

void COMMAND_LINE_INTERFACE::put_string(std::string_view text) {
  context_.output.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void COMMAND_LINE_INTERFACE::flush() {
  context_.output.flush();
}

// A project file that loaded was built as it loaded; otherwise the named sources are built here.
// Nothing can be executed yet, so a batch mode ends normally once its program is built.
int COMMAND_LINE_INTERFACE::run() {
  if (!context_.project_manager.is_open()) context_.project_manager.update();
  return 0;
}
