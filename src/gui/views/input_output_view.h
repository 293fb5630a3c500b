// The input/output ports, one row each: the data word's port number, the data word and the
// direction mask (a 1 bit is an output bit), both in hexadecimal and both editable.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class PORT_TABLE;

class INPUT_OUTPUT_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit INPUT_OUTPUT_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;
  PORT_TABLE& table() const { return *table_; }

 private:
  PORT_TABLE* table_;
};
