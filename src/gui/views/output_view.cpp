#include "gui/views/output_view.h"

#include <string>

#include "gui/views/word_text.h"
#include "pipeline/context.h"

OUTPUT_VIEW::OUTPUT_VIEW(CONTEXT& context, QWidget* parent) : TEXT_VIEW(context, "Output", parent) {
  refresh();
}

std::string OUTPUT_VIEW::machine_text() const {
  const MACHINE& machine = context_.machine;
  std::string text;
  for (int port = 0; port < machine.parameters.output_count; ++port) {
    const int32_t value = machine.devices.output[port];
    text += std::to_string(port);
    text += " : ";
    append_hex_word(text, value, machine.registers.data_size());
    text += "  ";
    text += std::to_string(value);
    text += '\n';
  }
  return text;
}
