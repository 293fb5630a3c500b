#include "gui/views/machine_clock_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/views/fixed_font.h"
#include "pipeline/context.h"

MACHINE_CLOCK_VIEW::MACHINE_CLOCK_VIEW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), label_(new QLabel(this)) {
  setWindowTitle("Machine clock");
  QFont font = fixed_font();
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * 2);
  else
    font.setPixelSize(font.pixelSize() * 2);
  label_->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  MACHINE_CLOCK_VIEW::refresh();
}

void MACHINE_CLOCK_VIEW::refresh() {
  const int64_t periods = context_.machine.clock.periods();
  if (periods == shown_periods_) return;
  shown_periods_ = periods;
  label_->setText("clock periods: " + QString::number(periods));
}

QString MACHINE_CLOCK_VIEW::text() const {
  return label_->text();
}
