// The count of clock periods, in large figures. It is redrawn before every slice of a free run,
// so a redraw that finds the same count does nothing.
#pragma once

#include <QString>
#include <cstdint>

#include "gui/views/machine_view.h"

class QLabel;

class MACHINE_CLOCK_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit MACHINE_CLOCK_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  QLabel* label_;
  int64_t shown_periods_ = -1;
};
