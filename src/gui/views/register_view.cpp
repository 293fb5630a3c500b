#include "gui/views/register_view.h"

#include <QButtonGroup>
#include <QVBoxLayout>
#include <string>

#include "gui/views/base_choice.h"
#include "gui/views/text_pane.h"
#include "gui/views/word_text.h"
#include "pipeline/context.h"

REGISTER_VIEW::REGISTER_VIEW(CONTEXT& context, QWidget* parent) : MACHINE_VIEW(context, parent) {
  setWindowTitle("Registers");
  auto* layout = new QVBoxLayout(this);
  base_ = add_base_choice(*this, *layout, {"decimal", "hex", "binary", "unsigned"});
  pane_ = new TEXT_PANE(this);
  layout->addWidget(pane_);
  connect(base_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) refresh();
  });
  REGISTER_VIEW::refresh();
}

void REGISTER_VIEW::refresh() {
  const REGISTER_POOL& registers = context_.machine.registers;
  const int bits = registers.data_size();
  const int base = base_->checkedId();
  std::string text;
  for (int n = 0; n < registers.register_count(); ++n) {
    const REGISTER& r = registers.at(n);
    const std::size_t start = text.size();
    text += 'R';
    text += std::to_string(n);
    while (text.size() - start < 4) text += ' ';
    text += "= ";
    if (base == hex)
      append_hex_word(text, r.value, bits);
    else if (base == binary)
      append_binary_word(text, r.value, bits);
    else
      text += std::to_string(base == decimal ? r.value : registers.unsigned_value(r));
    text += '\n';
  }
  pane_->show_text(QString::fromStdString(text));
}

QString REGISTER_VIEW::text() const {
  return pane_->shown();
}
