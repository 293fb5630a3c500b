#include "gui/views/machine_stack_view.h"

#include <QVBoxLayout>
#include <string>

#include "gui/views/text_pane.h"
#include "pipeline/context.h"

MACHINE_STACK_VIEW::MACHINE_STACK_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new TEXT_PANE(this)) {
  setWindowTitle("Stack");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
  MACHINE_STACK_VIEW::refresh();
}

void MACHINE_STACK_VIEW::refresh() {
  std::string text;
  context_.machine.stack.append_display(text);
  text += "-- bottom --\n";
  pane_->show_text(QString::fromStdString(text));
}

QString MACHINE_STACK_VIEW::text() const {
  return pane_->shown();
}
