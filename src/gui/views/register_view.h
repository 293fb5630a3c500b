// The registers R0 to R(X-1), one line each, in the base chosen by the radio buttons: signed
// decimal, hexadecimal, binary or unsigned decimal, always over the N bits of a register.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class QButtonGroup;
class TEXT_PANE;

class REGISTER_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  enum BASE { decimal, hex, binary, unsigned_decimal };

  explicit REGISTER_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  QButtonGroup* base_;
  TEXT_PANE* pane_;
};
