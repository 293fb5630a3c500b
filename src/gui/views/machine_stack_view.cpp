#include "gui/views/machine_stack_view.h"

#include <string>

#include "pipeline/context.h"

MACHINE_STACK_VIEW::MACHINE_STACK_VIEW(CONTEXT& context, QWidget* parent)
    : TEXT_VIEW(context, "Stack", parent) {
  refresh();
}

std::string MACHINE_STACK_VIEW::machine_text() const {
  std::string text;
  context_.machine.stack.append_display(text);
  text += "-- bottom --\n";
  return text;
}
