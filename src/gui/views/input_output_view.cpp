#include "gui/views/input_output_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/views/fixed_font.h"
#include "gui/views/port_table.h"
#include "pipeline/context.h"

INPUT_OUTPUT_VIEW::INPUT_OUTPUT_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent) {
  setWindowTitle("Input/Output");
  auto* layout = new QVBoxLayout(this);
  auto* header = new QLabel("  Coupling ---- Direction ", this);
  header->setFont(fixed_font());
  // Column 1 is the data word (port 96 + 2k), column 2 the direction mask after it.
  table_ = new PORT_TABLE(
      context.machine.registers, 2,
      [this](int k, int column, int32_t value) {
        context_.machine.devices.set_input(DEVICE_POOL::first_io_port + 2 * k + column - 1, value);
        Q_EMIT edited();
      },
      this);
  layout->addWidget(header);
  layout->addWidget(table_);
  layout->addStretch();
  INPUT_OUTPUT_VIEW::refresh();
}

void INPUT_OUTPUT_VIEW::refresh() {
  const MACHINE& machine = context_.machine;
  const int count = machine.parameters.io_count;
  table_->set_ports(count, DEVICE_POOL::first_io_port, 2);
  for (int k = 0; k < count; ++k) {
    table_->show_word(k, 1, machine.devices.io[2 * k]);
    table_->show_word(k, 2, machine.devices.io[2 * k + 1]);
  }
}

QString INPUT_OUTPUT_VIEW::text() const {
  return table_->text();
}
