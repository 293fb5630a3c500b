#include "gui/views/output_view.h"

#include <QVBoxLayout>
#include <string>

#include "gui/views/text_pane.h"
#include "gui/views/word_text.h"
#include "pipeline/context.h"

OUTPUT_VIEW::OUTPUT_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new TEXT_PANE(this)) {
  setWindowTitle("Output");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
  OUTPUT_VIEW::refresh();
}

void OUTPUT_VIEW::refresh() {
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
  pane_->show_text(QString::fromStdString(text));
}

QString OUTPUT_VIEW::text() const {
  return pane_->shown();
}
