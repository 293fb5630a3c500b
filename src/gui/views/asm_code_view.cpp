#include "gui/views/asm_code_view.h"

#include <QTextBlock>
#include <QVBoxLayout>
#include <string>

#include "gui/views/text_pane.h"
#include "pipeline/context.h"

ASM_CODE_VIEW::ASM_CODE_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new TEXT_PANE(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
  ASM_CODE_VIEW::refresh();
}

void ASM_CODE_VIEW::refresh() {
  const MACHINE& machine = context_.machine;
  setWindowTitle(QString::fromStdString(machine.rom.title()));
  const bool rebuilt = pane_->show_text(listing());
  const int64_t pc = machine.program_counter.value;
  const int address = pc >= 0 && pc < machine.rom.size() ? static_cast<int>(pc) : -1;
  // A new text drops the old mark with the old lines.
  if (rebuilt || address != marked_address_) mark(address);
}

QString ASM_CODE_VIEW::text() const {
  return pane_->shown();
}

// The debugger's listing, line for line.
QString ASM_CODE_VIEW::listing() const {
  const MACHINE& machine = context_.machine;
  std::string text, line;
  for (int32_t address = 0; address < machine.rom.size(); ++address) {
    line = std::to_string(address);
    line.resize(8, ' ');
    machine.rom.append_instruction_text(line, address, machine);
    text += line;
    text += '\n';
  }
  return QString::fromStdString(text);
}

void ASM_CODE_VIEW::mark(int address) {
  marked_address_ = address;
  if (address < 0) {
    pane_->setExtraSelections({});
    return;
  }
  QTextEdit::ExtraSelection selection;
  selection.cursor = QTextCursor(pane_->document()->findBlockByNumber(address));
  selection.format.setBackground(QColor(255, 236, 140));
  selection.format.setProperty(QTextFormat::FullWidthSelection, true);
  pane_->setExtraSelections({selection});
  pane_->setTextCursor(selection.cursor);
  pane_->ensureCursorVisible();
}
