// The output ports 0 to O-1, one line each: the port, its word in hexadecimal and in decimal.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class TEXT_PANE;

class OUTPUT_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit OUTPUT_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  TEXT_PANE* pane_;
};
