#include "gui/views/input_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/views/fixed_font.h"
#include "gui/views/port_table.h"
#include "pipeline/context.h"

INPUT_VIEW::INPUT_VIEW(CONTEXT& context, QWidget* parent) : MACHINE_VIEW(context, parent) {
  setWindowTitle("Input");
  auto* layout = new QVBoxLayout(this);
  auto* header = new QLabel("# - Hex.", this);
  header->setFont(fixed_font());
  table_ = new PORT_TABLE(
      context.machine.registers, 1,
      [this](int port, int, int32_t value) {
        context_.machine.devices.set_input(port, value);
        Q_EMIT edited();
      },
      this);
  layout->addWidget(header);
  layout->addWidget(table_);
  layout->addStretch();
  INPUT_VIEW::refresh();
}

void INPUT_VIEW::refresh() {
  const MACHINE& machine = context_.machine;
  const int count = machine.parameters.input_count;
  table_->set_ports(count, 0, 1);
  for (int port = 0; port < count; ++port) table_->show_word(port, 1, machine.devices.input[port]);
}

QString INPUT_VIEW::text() const {
  return table_->text();
}
