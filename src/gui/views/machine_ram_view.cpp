#include "gui/views/machine_ram_view.h"

#include <QButtonGroup>
#include <QVBoxLayout>
#include <string>

#include "gui/views/base_choice.h"
#include "gui/views/text_pane.h"
#include "gui/views/word_text.h"
#include "pipeline/context.h"

MACHINE_RAM_VIEW::MACHINE_RAM_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent) {
  auto* layout = new QVBoxLayout(this);
  base_ = add_base_choice(*this, *layout, {"decimal", "hexadecimal"});
  pane_ = new TEXT_PANE(this);
  layout->addWidget(pane_);
  connect(base_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) refresh();
  });
  MACHINE_RAM_VIEW::refresh();
}

void MACHINE_RAM_VIEW::refresh() {
  const MACHINE& machine = context_.machine;
  const int32_t end = machine.ram.written_end();
  setWindowTitle(QString("RAM (%1 words used)").arg(end + 1));
  const bool hex = base_->checkedId() == hexadecimal;
  std::string text;
  text.reserve(static_cast<std::size_t>(end + 1) * 20);
  for (int32_t address = 0; address <= end; ++address) {
    machine.ram.append_address(text, address);
    text += " : ";
    if (hex)
      append_hex_word(text, machine.ram.word(address), machine.registers.data_size());
    else
      text += std::to_string(machine.ram.word(address));
    text += '\n';
  }
  pane_->show_text(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

QString MACHINE_RAM_VIEW::text() const {
  return pane_->shown();
}
