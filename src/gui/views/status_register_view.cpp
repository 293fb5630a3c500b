#include "gui/views/status_register_view.h"

#include <string>

#include "pipeline/context.h"

STATUS_REGISTER_VIEW::STATUS_REGISTER_VIEW(CONTEXT& context, QWidget* parent)
    : TEXT_VIEW(context, "Status register", parent) {
  refresh();
}

std::string STATUS_REGISTER_VIEW::machine_text() const {
  std::string text;
  context_.machine.status.append_display(text);
  return text;
}
