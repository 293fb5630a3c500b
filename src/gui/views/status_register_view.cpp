#include "gui/views/status_register_view.h"

#include <QVBoxLayout>
#include <string>

#include "gui/views/text_pane.h"
#include "pipeline/context.h"

STATUS_REGISTER_VIEW::STATUS_REGISTER_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new TEXT_PANE(this)) {
  setWindowTitle("Status register");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
  STATUS_REGISTER_VIEW::refresh();
}

void STATUS_REGISTER_VIEW::refresh() {
  std::string text;
  context_.machine.status.append_display(text);
  pane_->show_text(QString::fromStdString(text));
}

QString STATUS_REGISTER_VIEW::text() const {
  return pane_->shown();
}
