// The input ports 0 to I-1 and their values in hexadecimal, which the user edits: an accepted
// entry becomes the port's input word at once, as a signed N-bit number.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class PORT_TABLE;

class INPUT_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit INPUT_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;
  PORT_TABLE& table() const { return *table_; }

 private:
  PORT_TABLE* table_;
};
