// One grid row per parameter: label, control, unit text. The register slider runs over the
// positions of the register-count list; the data size slider snaps to even widths, so every
// position of every control is a value the setters accept.
#include "gui/dialogs/cpu_options_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

int register_count_at(int position) {
  return allowed_register_counts[static_cast<std::size_t>(position - 1)];
}

// The first position whose count is at least the given one (an unset count shows the first).
int register_position(int count) {
  const auto* found =
      std::lower_bound(allowed_register_counts.begin(), allowed_register_counts.end(), count);
  if (found == allowed_register_counts.end()) --found;
  return static_cast<int>(found - allowed_register_counts.begin()) + 1;
}

int same_value(int value) {
  return value;
}

}  // namespace

CPU_OPTIONS_DIALOG::CPU_OPTIONS_DIALOG(QWidget* parent) : QDialog(parent), rows_(new QGridLayout) {
  setWindowTitle("CPU options");
  registers_ = add_slider_row("Number of registers :", "registers", 1,
                              static_cast<int>(allowed_register_counts.size()), "registers.",
                              register_count_at);
  data_size_ = add_slider_row("Data size of int :", "data_size", 8, 16, "bits.", same_value);
  data_size_->setSingleStep(2);
  data_size_->setPageStep(4);
  data_size_->setTickInterval(2);
  connect(data_size_, &QSlider::valueChanged, this, &CPU_OPTIONS_DIALOG::snap_data_size);

  rom16_ = new QRadioButton("16 bits");
  rom24_ = new QRadioButton("24 bits");
  rom16_->setObjectName("rom16");
  rom24_->setObjectName("rom24");
  rom16_->setChecked(true);
  auto* rom = new QHBoxLayout;
  rom->addWidget(rom16_);
  rom->addWidget(rom24_);
  rom->addStretch();
  const int rom_row = rows_->rowCount();
  rows_->addWidget(new QLabel("ROM address :"), rom_row, 0);
  rows_->addLayout(rom, rom_row, 1);

  ram_address_ = add_slider_row("RAM address :", "ram_address", 6, 16, "bits.", same_value);
  stack_size_ = add_slider_row("Stack size :", "stack_size", 4, 64, "words.", same_value);
  input_ = add_slider_row("Input :", "input", 0, 96, "ports.", same_value);
  output_ = add_slider_row("Output :", "output", 0, 96, "ports.", same_value);
  input_output_ = add_slider_row("Input/Output :", "input_output", 0, 16, "ports.", same_value);
  rows_->setColumnMinimumWidth(1, 240);

  auto* buttons = new QDialogButtonBox;
  auto* ok = buttons->addButton("&Ok", QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  ok->setObjectName("ok");
  cancel->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows_);
  layout->addWidget(buttons);
  show_parameters(PROCESSOR_PARAMETERS{});
}

QSlider* CPU_OPTIONS_DIALOG::add_slider_row(const char* label, const char* name, int minimum,
                                            int maximum, const char* unit,
                                            int (*shown_value)(int)) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(name);
  slider->setRange(minimum, maximum);
  slider->setTickPosition(QSlider::TicksBelow);
  auto* unit_label = new QLabel;
  unit_label->setObjectName(QString(name) + "_unit");
  const QString unit_text = QString(" ") + unit;
  // Reads the slider rather than the signal's value: a snapped slider has moved on since.
  auto show_unit = [slider, unit_label, unit_text, shown_value] {
    unit_label->setText(QString::number(shown_value(slider->value())) + unit_text);
  };
  connect(slider, &QSlider::valueChanged, unit_label, show_unit);
  show_unit();
  const int row = rows_->rowCount();
  rows_->addWidget(new QLabel(label), row, 0);
  rows_->addWidget(slider, row, 1);
  rows_->addWidget(unit_label, row, 2);
  return slider;
}

// An odd width moves on to the next even one in the direction the slider went.
void CPU_OPTIONS_DIALOG::snap_data_size(int value) {
  if (value % 2 == 0) {
    last_data_size_ = value;
    return;
  }
  data_size_->setValue(value > last_data_size_ ? value + 1 : value - 1);
}

void CPU_OPTIONS_DIALOG::show_parameters(const PROCESSOR_PARAMETERS& parameters) {
  registers_->setValue(register_position(parameters.register_count));
  data_size_->setValue(parameters.data_size);
  (parameters.pc_width > 16 ? rom24_ : rom16_)->setChecked(true);
  ram_address_->setValue(parameters.ram_address_width);
  stack_size_->setValue(parameters.stack_size);
  input_->setValue(parameters.input_count);
  output_->setValue(parameters.output_count);
  input_output_->setValue(parameters.io_count);
}

PROCESSOR_PARAMETERS CPU_OPTIONS_DIALOG::chosen_parameters() const {
  PROCESSOR_PARAMETERS parameters;
  parameters.register_count = register_count_at(registers_->value());
  parameters.data_size = data_size_->value();
  parameters.pc_width = rom24_->isChecked() ? 24 : 16;
  parameters.ram_address_width = ram_address_->value();
  parameters.stack_size = stack_size_->value();
  parameters.input_count = input_->value();
  parameters.output_count = output_->value();
  parameters.io_count = input_output_->value();
  return parameters;
}
