#include "gui/views/text_view.h"

#include <QVBoxLayout>

#include "gui/views/text_pane.h"

TEXT_VIEW::TEXT_VIEW(CONTEXT& context, const QString& title, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new TEXT_PANE(this)) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
}

void TEXT_VIEW::refresh() {
  pane_->show_text(QString::fromStdString(machine_text()));
}

QString TEXT_VIEW::text() const {
  return pane_->shown();
}
