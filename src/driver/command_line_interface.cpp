#include "driver/command_line_interface.h"

#include "driver/context.h"

void COMMAND_LINE_INTERFACE::put_string(std::string_view text) {
  context_.output.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void COMMAND_LINE_INTERFACE::flush() {
  context_.output.flush();
}

// Nothing can be built or executed yet, so a batch mode ends normally once its files are read.
int COMMAND_LINE_INTERFACE::run() {
  return 0;
}
